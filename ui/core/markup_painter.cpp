#include "ui/core/markup_painter.h"

#include <cwchar>

#include "ui/core/image_description.h"
#include "ui/core/markup_fonts.h"
#include "ui/core/render_color.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

enum Alignment { AlignTop = 0, AlignCenter = 4, AlignBottom = 8 };

bool IsLetter(wchar_t ch) { return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z'); }

int ReadInt(const wchar_t* text, int length)
{
    const CUIString value(text, length);
    return static_cast<int>(wcstol(value, nullptr, 10));
}

}  // namespace

MarkupPainterUI::MarkupPainterUI(HDC hDC, CWindowManagerUI* manager, const RECT& rc, const wchar_t* text,
                                 DWORD color, int font, UINT format, Links& links)
    : m_dc(hDC), m_manager(manager), m_rc(rc), m_text(text), m_defaultColor(color),
      m_baseFont(manager->GetFontRecord(font)), m_format(format), m_links(links)
{
}

void MarkupPainterUI::Run(int& bottom, int& widest)
{
    const bool measureOnly = (m_format & DT_CALCRECT) != 0;
    m_state.p = m_text;
    m_state.x = m_rc.left;
    m_widest = m_rc.left;
    m_lowest = m_rc.top;
    m_lineTop = m_rc.top;
    FontChanged();
    m_lineHeight = CurrentSpacing() + FontLineHeight();

    for (;;) {
        LineEnd end;
        if (measureOnly) {
            m_fixedHeight = false;
            end = LayLine(Pass::Single, 0);
        } else {
            const State lineStart = m_state;
            m_fixedHeight = false;
            LayLine(Pass::Measure, 0);
            const int lineWidth = m_lineRight - m_rc.left;
            const int measuredHeight = m_lineHeight;

            m_state = lineStart;
            FontChanged();
            m_lineHeight = measuredHeight;
            m_fixedHeight = true;
            int offset = 0;
            if ((m_format & DT_SINGLELINE) == 0) {
                const int room = (m_rc.right - m_rc.left) - lineWidth;
                if (m_format & DT_CENTER) offset = room / 2;
                else if (m_format & DT_RIGHT) offset = room;
            }
            end = LayLine(Pass::Draw, offset);
        }
        if (end == LineEnd::Text || (m_format & DT_SINGLELINE)) break;
        const int nextTop = m_lineTop + m_lineHeight;
        if (nextTop >= m_rc.bottom) break;
        m_lineTop = nextTop;
        m_state.x = m_rc.left;
        m_lineHeight = CurrentSpacing() + FontLineHeight();
    }
    // A last line that only closed tags adds no height.
    bottom = (m_lineHasContent || m_lineTop == m_rc.top) ? m_lineTop + m_lineHeight : m_lineTop;
    if (m_lowest > bottom) bottom = m_lowest;
    widest = m_widest;
}

MarkupPainterUI::LineEnd MarkupPainterUI::LayLine(Pass pass, int lineOffset)
{
    m_pass = pass;
    m_lineOffset = lineOffset;
    m_lineRight = m_state.x;
    m_lineHasContent = false;
    for (;;) {
        const MarkupTokenUI token = MarkupScannerUI::Next(m_state.p, m_state.raw);
        const bool visible = token.kind == MarkupTokenUI::Text || token.kind == MarkupTokenUI::Literal ||
                             token.kind == MarkupTokenUI::Blank;
        if (visible && m_state.x >= m_rc.right && m_state.x > m_rc.left) return LineEnd::Break;
        switch (token.kind) {
        case MarkupTokenUI::End:
            return LineEnd::Text;
        case MarkupTokenUI::Newline:
            m_state.p += token.sourceLength;
            return *m_state.p ? LineEnd::Break : LineEnd::Text;
        case MarkupTokenUI::Blank:
            PlaceBlank();
            m_state.p += token.sourceLength;
            break;
        case MarkupTokenUI::Text:
        case MarkupTokenUI::Literal:
            if (!PlaceRun(token)) {
                TrackWidth();
                return LineEnd::Break;
            }
            break;
        case MarkupTokenUI::RawEnd:
            m_state.raw = false;
            m_state.p += token.sourceLength;
            break;
        case MarkupTokenUI::Tag:
        case MarkupTokenUI::EndTag: {
            const TagEffect effect =
                token.kind == MarkupTokenUI::Tag ? HandleTag(token) : HandleEndTag(token);
            if (effect == TagEffect::BreakBefore) return LineEnd::Break;
            m_state.p += token.sourceLength;
            if (effect == TagEffect::BreakAfter) return *m_state.p ? LineEnd::Break : LineEnd::Text;
            break;
        }
        }
        TrackWidth();
    }
}

void MarkupPainterUI::TrackWidth()
{
    if (m_state.x > m_lineRight) m_lineRight = m_state.x;
    if (m_state.x > m_widest) m_widest = m_state.x;
}

bool MarkupPainterUI::PlaceRun(const MarkupTokenUI& token)
{
    m_lineHasContent = true;
    const int x = m_state.x;
    const bool lineStart = x <= m_rc.left;
    const int room = m_rc.right - x;
    int fit = 0;
    SIZE extent = {0, 0};
    GetTextExtentExPointW(m_dc, token.text, token.length, room > 0 ? room : 0, &fit, nullptr, &extent);
    if (fit >= token.length && extent.cx <= room) {
        PaintText(x, token.text, token.length);
        m_state.x = x + extent.cx;
        m_state.p += token.sourceLength;
        return true;
    }

    // Overflow: what fits, cut at a word end when asked; the rest goes on the next line.
    int count = fit < 0 ? 0 : (fit > token.length ? token.length : fit);
    if (m_format & DT_WORDBREAK) {
        for (int i = count - 1; i >= 0; --i) {
            if (!IsLetter(token.text[i])) {
                count = i + 1;
                break;
            }
        }
    }
    const bool ellipsis = (m_format & DT_END_ELLIPSIS) != 0;
    int drawn = ellipsis ? (count > 2 ? count - 2 : 0) : count;
    int consumed = drawn;
    // Every line takes at least one character, however narrow the rectangle.
    if (consumed == 0 && lineStart) {
        consumed = 1;
        if (!ellipsis) drawn = 1;
    }
    if (token.kind == MarkupTokenUI::Literal) consumed = consumed > 0 ? token.sourceLength : 0;

    PaintText(x, token.text, drawn);
    const int width = TextWidth(token.text, drawn);
    if (ellipsis) {
        PaintText(x + width, L"...", 3);
        m_state.x = m_rc.right;
    } else {
        m_state.x = x + width;
    }
    m_state.p += consumed;
    return false;
}

void MarkupPainterUI::PlaceBlank()
{
    m_lineHasContent = true;
    const int width = TextWidth(L" ", 1);
    PaintText(m_state.x, L" ", 1);
    m_state.x += width;
}

MarkupPainterUI::TagEffect MarkupPainterUI::HandleTag(const MarkupTokenUI& token)
{
    const wchar_t* argument = token.argument;
    const int length = token.argumentLength;
    switch (token.letter) {
    case L'a': {
        const CUIString text(argument, length);
        if (Records() && m_links.found < m_links.capacity && m_links.texts)
            m_links.texts[m_links.found] = text;
        const bool hover = !m_links.hoverText.IsEmpty() && m_links.hoverText == text.GetData();
        m_state.colors.push_back(hover ? m_manager->GetLinkHoverColor() : m_manager->GetLinkColor());
        m_state.inLink = true;
        m_state.linkStart = {m_state.x, m_lineTop};
        PushFont(MarkupFontsUI::WithAttribute(m_manager, CurrentFont(), MarkupFontsUI::Underline));
        break;
    }
    case L'b':
        PushFont(MarkupFontsUI::WithAttribute(m_manager, CurrentFont(), MarkupFontsUI::Bold));
        break;
    case L'c': {
        CUIString value(argument, length);
        const wchar_t* digits = value.GetData();
        while (*digits == L' ') ++digits;
        if (*digits == L'#') ++digits;
        m_state.colors.push_back(static_cast<DWORD>(wcstoul(digits, nullptr, 16)));
        break;
    }
    case L'f':
        PushFont(MarkupFontsUI::FromTagArgument(m_manager, argument, length));
        break;
    case L'i':
        if (length == 0) PushFont(MarkupFontsUI::WithAttribute(m_manager, CurrentFont(), MarkupFontsUI::Italic));
        else return PlaceImage(argument, length);
        break;
    case L'n':
        if ((m_format & DT_SINGLELINE) == 0) return TagEffect::BreakAfter;
        break;
    case L'p':
        if (m_state.x > m_rc.left) return TagEffect::BreakBefore;
        m_state.spacings.push_back(ReadInt(argument, length));
        if (!m_fixedHeight && CurrentSpacing() + FontLineHeight() > m_lineHeight)
            m_lineHeight = CurrentSpacing() + FontLineHeight();
        break;
    case L'r':
        m_state.raw = true;
        break;
    case L's':
        m_state.selected = !m_state.selected;
        break;
    case L'u':
        PushFont(MarkupFontsUI::WithAttribute(m_manager, CurrentFont(), MarkupFontsUI::Underline));
        break;
    case L'v': {
        CUIString value(argument, length);
        m_state.aligns.push_back(value.CompareNoCase(L"center") == 0 ? AlignCenter
                                 : value.CompareNoCase(L"top") == 0  ? AlignTop
                                                                     : AlignBottom);
        break;
    }
    case L'x':
        m_state.x += ReadInt(argument, length);
        break;
    case L'y':
        if (!m_fixedHeight) m_lineHeight = ReadInt(argument, length);
        break;
    default:
        break;
    }
    return TagEffect::None;
}

MarkupPainterUI::TagEffect MarkupPainterUI::HandleEndTag(const MarkupTokenUI& token)
{
    switch (token.letter) {
    case L'a':
        if (m_state.inLink) {
            if (Records() && m_links.found < m_links.capacity) {
                if (m_links.rects) {
                    m_links.rects[m_links.found] = {m_state.linkStart.x, m_state.linkStart.y, m_state.x,
                                                    m_state.linkStart.y + FontLineHeight()};
                }
                ++m_links.found;
            }
            m_state.inLink = false;
        }
        if (!m_state.colors.empty()) m_state.colors.pop_back();
        PopFont();
        break;
    case L'b':
    case L'f':
    case L'i':
    case L'u':
        PopFont();
        break;
    case L'c':
        if (!m_state.colors.empty()) m_state.colors.pop_back();
        break;
    case L'p':
        if (m_state.x > m_rc.left) return TagEffect::BreakBefore;
        if (!m_state.spacings.empty()) m_state.spacings.pop_back();
        break;
    case L's':
        m_state.selected = !m_state.selected;
        break;
    case L'v':
        if (!m_state.aligns.empty()) m_state.aligns.pop_back();
        break;
    default:
        break;
    }
    return TagEffect::None;
}

MarkupPainterUI::TagEffect MarkupPainterUI::PlaceImage(const wchar_t* argument, int length)
{
    const CUIString text(argument, length);
    CUIString name;
    CUIString type;
    int frames = 1;
    int index = 0;
    if (text.FindText(L"file='") >= 0 || text.FindText(L"res='") >= 0) {
        ImageDrawInfoUI info;
        info.description = text;
        ImageLoadRequestUI request;
        ParseImageDescription(info, request);
        name = request.name;
        if (request.resource) type = request.type;
    } else {
        const wchar_t* p = text.GetData();
        while (*p == L' ') ++p;
        const wchar_t* nameStart = p;
        while (*p != L'\0' && *p != L' ') ++p;
        name = CUIString(nameStart, static_cast<int>(p - nameStart));
        wchar_t* end = nullptr;
        const long count = wcstol(p, &end, 10);
        if (end != p) {
            frames = count < 1 ? 1 : static_cast<int>(count);
            const wchar_t* next = end;
            const long chosen = wcstol(next, &end, 10);
            if (end != next) index = static_cast<int>(chosen);
        }
        if (index < 0 || index >= frames) index = 0;
    }
    ImageRecordUI* image =
        name.IsEmpty() ? nullptr : m_manager->GetImageEx(name, type.IsEmpty() ? nullptr : type.GetData(), 0);
    if (!image) return TagEffect::None;
    const int frameWidth = image->width / frames;
    if (frameWidth <= 0) return TagEffect::None;

    const bool fits = m_state.x + frameWidth <= m_rc.right;
    if (!fits && m_state.x > m_rc.left && (m_format & DT_SINGLELINE) == 0) return TagEffect::BreakBefore;

    m_lineHasContent = true;
    if (!m_fixedHeight && image->height > m_lineHeight) m_lineHeight = image->height;
    const int lineBottom = m_lineTop + m_lineHeight;
    int top = lineBottom - image->height;
    const int align = m_state.aligns.empty() ? AlignBottom : m_state.aligns.back();
    if (align == AlignCenter && image->height < m_lineHeight) top = m_lineTop + (m_lineHeight - image->height) / 2;
    else if (align == AlignTop) top = m_lineTop;
    if (top + image->height > m_lowest) m_lowest = top + image->height;

    if (Draws()) {
        const int left = m_state.x + m_lineOffset;
        const RECT dest = {left, top, left + frameWidth, top + image->height};
        const RECT source = {frameWidth * index, 0, frameWidth * (index + 1), image->height};
        const RECT corners = {0, 0, 0, 0};
        CRendererUI::DrawImage(m_dc, image->bitmap, dest, m_rc, source, corners, image->alpha, 255);
    }
    m_state.x += frameWidth;
    return TagEffect::None;
}

FontRecordUI* MarkupPainterUI::CurrentFont() const
{
    return m_state.fonts.empty() ? m_baseFont : m_state.fonts.back();
}

void MarkupPainterUI::PushFont(FontRecordUI* font)
{
    m_state.fonts.push_back(font ? font : CurrentFont());
    FontChanged();
}

void MarkupPainterUI::PopFont()
{
    if (m_state.fonts.empty()) return;
    const bool wasItalic = CurrentFont()->italic;
    ABC space = {};
    const bool measured = wasItalic && GetCharABCWidthsW(m_dc, L' ', L' ', &space);
    m_state.fonts.pop_back();
    FontChanged();
    // Italic correction: the slanted run leans over its advance.
    if (measured && !CurrentFont()->italic) m_state.x += static_cast<int>(space.abcB) / 2;
}

void MarkupPainterUI::FontChanged()
{
    FontRecordUI* font = CurrentFont();
    SelectObject(m_dc, font->handle);
    m_metrics = font->metrics;
    if (m_metrics.tmHeight == 0) GetTextMetricsW(m_dc, &m_metrics);
    if (!m_fixedHeight && CurrentSpacing() + FontLineHeight() > m_lineHeight)
        m_lineHeight = CurrentSpacing() + FontLineHeight();
}

DWORD MarkupPainterUI::CurrentColor() const
{
    return m_state.colors.empty() ? m_defaultColor : m_state.colors.back();
}

int MarkupPainterUI::CurrentSpacing() const
{
    return m_state.spacings.empty() ? 0 : m_state.spacings.back();
}

int MarkupPainterUI::FontLineHeight() const
{
    return m_metrics.tmHeight + m_metrics.tmExternalLeading;
}

int MarkupPainterUI::TextTop() const
{
    const int free = m_lineHeight - FontLineHeight();
    const int align = m_state.aligns.empty() ? AlignBottom : m_state.aligns.back();
    if (align == AlignCenter) return m_lineTop + free / 2;
    if (align == AlignTop) return m_lineTop;
    return m_lineTop + free;
}

int MarkupPainterUI::TextWidth(const wchar_t* text, int length) const
{
    if (length <= 0) return 0;
    SIZE size = {0, 0};
    GetTextExtentPoint32W(m_dc, text, length, &size);
    return size.cx;
}

void MarkupPainterUI::PaintText(int x, const wchar_t* text, int length)
{
    if (!Draws() || length <= 0) return;
    SetTextColor(m_dc, ArgbToColorRef(CurrentColor()));
    SetBkMode(m_dc, m_state.selected ? OPAQUE : TRANSPARENT);
    TextOutW(m_dc, x + m_lineOffset, TextTop(), text, length);
}

}  // namespace SkinUI
