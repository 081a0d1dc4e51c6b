#include <cwchar>

#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

namespace {

CUIString FontKey(int id)
{
    CUIString key;
    key.Format(L"%d", id);
    return key;
}

// The face as a font record keeps it: what LOGFONTW holds with its terminator.
CUIString StoredFace(const wchar_t* face)
{
    return CUIString(face, LF_FACESIZE - 1);
}

}  // namespace

FontRecordUI* CWindowManagerUI::CreateFontRecord(const wchar_t* face, int size, bool bold,
                                                 bool underline, bool italic)
{
    LOGFONTW lf = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    wcscpy(lf.lfFaceName, StoredFace(face));
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -size;
    if (bold)
        lf.lfWeight += FW_BOLD;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfItalic = italic ? TRUE : FALSE;
    HFONT font = CreateFontIndirectW(&lf);
    if (font == nullptr)
        return nullptr;
    FontRecordUI* record = new FontRecordUI;
    record->handle = font;
    record->faceName = lf.lfFaceName;
    record->size = size;
    record->bold = bold;
    record->underline = underline;
    record->italic = italic;
    if (m_windowDC != nullptr)
        FillMetrics(record);
    return record;
}

void CWindowManagerUI::FillMetrics(FontRecordUI* record)
{
    if (m_windowDC == nullptr || record == nullptr || record->handle == nullptr)
        return;
    HGDIOBJ old = SelectObject(m_windowDC, record->handle);
    GetTextMetricsW(m_windowDC, &record->metrics);
    SelectObject(m_windowDC, old);
}

HFONT CWindowManagerUI::AddFont(int id, const wchar_t* face, int size, bool bold, bool underline,
                                bool italic, bool shared)
{
    FontRecordUI* record = CreateFontRecord(face, size, bold, underline, italic);
    if (record == nullptr)
        return nullptr;
    CStringMapUI& table = (shared || m_resourcesShared) ? SharedManagerState().resources.fonts
                                                        : m_resources.fonts;
    CUIString key = FontKey(id);
    FontRecordUI* earlier = static_cast<FontRecordUI*>(table.Find(key));
    if (earlier != nullptr) {
        DeleteObject(earlier->handle);
        delete earlier;
        table.Remove(key);
    }
    if (!table.Insert(key, record)) {
        DeleteObject(record->handle);
        delete record;
        return nullptr;
    }
    return record->handle;
}

void CWindowManagerUI::SetDefaultFont(const wchar_t* face, int size, bool bold, bool underline,
                                      bool italic, bool shared)
{
    FontRecordUI* record = CreateFontRecord(face, size, bold, underline, italic);
    if (record == nullptr)
        return;
    FontRecordUI& target = shared ? SharedManagerState().resources.defaultFont
                                  : m_resources.defaultFont;
    if (target.handle != nullptr)
        DeleteObject(target.handle);
    target.handle = record->handle;
    target.faceName = record->faceName;
    target.size = record->size;
    target.bold = record->bold;
    target.underline = record->underline;
    target.italic = record->italic;
    target.metrics = record->metrics;
    delete record;
}

FontRecordUI* CWindowManagerUI::GetDefaultFontRecord()
{
    if (m_fontSource != nullptr)
        return m_fontSource->GetDefaultFontRecord();
    FontRecordUI* record = m_resources.defaultFont.faceName.IsEmpty()
                               ? &SharedManagerState().resources.defaultFont
                               : &m_resources.defaultFont;
    if (record->metrics.tmHeight == 0)
        FillMetrics(record);
    return record;
}

HFONT CWindowManagerUI::GetFontHandle(int id)
{
    if (m_fontSource != nullptr)
        return m_fontSource->GetFontHandle(id);
    if (id >= 0) {
        CUIString key = FontKey(id);
        FontRecordUI* record = static_cast<FontRecordUI*>(m_resources.fonts.Find(key));
        if (record == nullptr)
            record = static_cast<FontRecordUI*>(SharedManagerState().resources.fonts.Find(key));
        if (record != nullptr)
            return record->handle;
    }
    return GetDefaultFontRecord()->handle;
}

FontRecordUI* CWindowManagerUI::GetFontRecord(int id)
{
    if (m_fontSource != nullptr)
        return m_fontSource->GetFontRecord(id);
    FontRecordUI* record = nullptr;
    if (id >= 0) {
        CUIString key = FontKey(id);
        record = static_cast<FontRecordUI*>(m_resources.fonts.Find(key));
        if (record == nullptr)
            record = static_cast<FontRecordUI*>(SharedManagerState().resources.fonts.Find(key));
    }
    if (record == nullptr)
        return GetDefaultFontRecord();
    if (record->metrics.tmHeight == 0)
        FillMetrics(record);
    return record;
}

namespace {

template <typename Match>
FontRecordUI* FirstFont(const CStringMapUI& table, Match match)
{
    FontRecordUI* first = nullptr;
    table.ForEach([&](const wchar_t*, void* value) {
        auto* record = static_cast<FontRecordUI*>(value);
        if (first == nullptr && record != nullptr && match(*record))
            first = record;
    });
    return first;
}

}  // namespace

FontRecordUI* CWindowManagerUI::GetFontRecordByHandle(HFONT font)
{
    if (m_fontSource != nullptr)
        return m_fontSource->GetFontRecordByHandle(font);
    auto sameHandle = [font](const FontRecordUI& r) { return r.handle == font; };
    FontRecordUI* record = FirstFont(m_resources.fonts, sameHandle);
    if (record == nullptr)
        record = FirstFont(SharedManagerState().resources.fonts, sameHandle);
    if (record == nullptr)
        return GetDefaultFontRecord();
    if (record->metrics.tmHeight == 0)
        FillMetrics(record);
    return record;
}

HFONT CWindowManagerUI::FindFont(const wchar_t* face, int size, bool bold, bool underline,
                                 bool italic)
{
    if (m_fontSource != nullptr)
        return m_fontSource->FindFont(face, size, bold, underline, italic);
    const CUIString stored = StoredFace(face);
    auto same = [&](const FontRecordUI& r) {
        return r.faceName == stored.GetData() && r.size == size && r.bold == bold &&
               r.underline == underline && r.italic == italic;
    };
    FontRecordUI* record = FirstFont(m_resources.fonts, same);
    if (record == nullptr)
        record = FirstFont(SharedManagerState().resources.fonts, same);
    return record != nullptr ? record->handle : nullptr;
}

int CWindowManagerUI::GetFontCount(bool shared) const
{
    return shared ? SharedManagerState().resources.fonts.GetSize() : m_resources.fonts.GetSize();
}

void CWindowManagerUI::RemoveAllFonts(bool shared)
{
    DeleteTableFonts(shared ? SharedManagerState().resources.fonts : m_resources.fonts);
}

void CWindowManagerUI::DeleteTableFonts(CStringMapUI& table)
{
    for (int i = 0; i < table.GetSize(); ++i) {
        FontRecordUI* record = static_cast<FontRecordUI*>(table.Find(table.GetKeyAt(i)));
        if (record != nullptr) {
            DeleteObject(record->handle);
            delete record;
        }
    }
    table.RemoveAll();
}

}  // namespace SkinUI
