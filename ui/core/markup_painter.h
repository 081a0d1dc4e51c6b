#pragma once

#include <windows.h>

#include <vector>

#include "ui/core/markup_scanner.h"
#include "ui/core/ui_string.h"

namespace SkinUI {

class CWindowManagerUI;
struct FontRecordUI;

// Lays out and draws one marked-up text in a rectangle (the work of
// CRendererUI::DrawMarkupText once the text is prepared). Each line is laid
// out once to measure it and once more to draw it; measuring alone lays it out once.
class MarkupPainterUI {
public:
    struct Links {
        RECT* rects = nullptr;
        CUIString* texts = nullptr;
        int capacity = 0;
        int found = 0;
        CUIString hoverText;  // text of the link under the mouse at the last call
    };

    MarkupPainterUI(HDC hDC, CWindowManagerUI* manager, const RECT& rc, const wchar_t* text, DWORD color,
                    int font, UINT format, Links& links);
    // Returns the bottom of the laid-out text and the widest x reached.
    void Run(int& bottom, int& widest);

private:
    struct State {
        const wchar_t* p = nullptr;
        int x = 0;
        std::vector<FontRecordUI*> fonts;
        std::vector<DWORD> colors;
        std::vector<int> spacings;
        std::vector<int> aligns;
        bool selected = false;
        bool raw = false;
        bool inLink = false;
        POINT linkStart = {0, 0};
    };
    enum class Pass { Measure, Draw, Single };
    enum class LineEnd { Break, Text };  // Text: the text (or single line) is done

    LineEnd LayLine(Pass pass, int lineOffset);
    void TrackWidth();
    bool Records() const { return m_pass != Pass::Draw; }
    bool Draws() const { return m_pass == Pass::Draw; }

    bool PlaceRun(const MarkupTokenUI& token);  // false: the line is full
    void PlaceBlank();
    // What a tag does to the line: nothing, or a break before it (the tag is
    // then taken on the next line) or after it.
    enum class TagEffect { None, BreakBefore, BreakAfter };
    TagEffect HandleTag(const MarkupTokenUI& token);
    TagEffect HandleEndTag(const MarkupTokenUI& token);
    TagEffect PlaceImage(const wchar_t* argument, int length);

    FontRecordUI* CurrentFont() const;
    void PushFont(FontRecordUI* font);
    void PopFont();
    void FontChanged();
    DWORD CurrentColor() const;
    int CurrentSpacing() const;
    int FontLineHeight() const;
    int TextTop() const;
    void PaintText(int x, const wchar_t* text, int length);
    int TextWidth(const wchar_t* text, int length) const;

    HDC m_dc;
    CWindowManagerUI* m_manager;
    RECT m_rc;
    const wchar_t* m_text;
    DWORD m_defaultColor;
    FontRecordUI* m_baseFont;
    UINT m_format;
    Links& m_links;

    State m_state;
    Pass m_pass = Pass::Single;
    TEXTMETRICW m_metrics = {};
    int m_lineTop = 0;
    int m_lineHeight = 0;
    bool m_fixedHeight = false;
    int m_lineOffset = 0;
    int m_lineRight = 0;  // widest x of the current line
    bool m_lineHasContent = false;
    int m_widest = 0;
    int m_lowest = 0;     // bottom of the lowest image
};

}  // namespace SkinUI
