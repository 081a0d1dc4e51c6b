#include "ui/core/markup_fonts.h"

#include <cwchar>

#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

int g_nextMarkupFontId = 30000;

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

}  // namespace

FontRecordUI* MarkupFontsUI::Find(CWindowManagerUI* manager, const wchar_t* face, int size, bool bold,
                                  bool underline, bool italic)
{
    if (HFONT found = manager->FindFont(face, size, bold, underline, italic))
        return manager->GetFontRecordByHandle(found);
    const int id = g_nextMarkupFontId++;
    if (!manager->AddFont(id, face, size, bold, underline, italic)) return nullptr;
    return manager->GetFontRecord(id);
}

FontRecordUI* MarkupFontsUI::WithAttribute(CWindowManagerUI* manager, FontRecordUI* font, Attribute attribute)
{
    bool bold = font->bold, underline = font->underline, italic = font->italic;
    bool& flag = attribute == Bold ? bold : (attribute == Underline ? underline : italic);
    if (flag) return font;
    flag = true;
    FontRecordUI* form = Find(manager, font->faceName, font->size, bold, underline, italic);
    return form ? form : font;
}

FontRecordUI* MarkupFontsUI::FromTagArgument(CWindowManagerUI* manager, const wchar_t* argument, int length)
{
    CUIString text(argument, length);
    const wchar_t* p = text.GetData();
    while (*p == L' ') ++p;
    if (IsDigit(*p)) return manager->GetFontRecord(static_cast<int>(wcstol(p, nullptr, 10)));

    const wchar_t* faceStart = p;
    while (*p != L'\0' && *p != L' ') ++p;
    const CUIString face(faceStart, static_cast<int>(p - faceStart));
    while (*p == L' ') ++p;
    int size = 10;
    if (IsDigit(*p)) {
        wchar_t* end = nullptr;
        size = static_cast<int>(wcstol(p, &end, 10));
        p = end;
    }
    CUIString words(p);
    words.MakeLower();
    FontRecordUI* font = Find(manager, face, size, words.FindText(L"bold") >= 0,
                              words.FindText(L"underline") >= 0, words.FindText(L"italic") >= 0);
    return font ? font : manager->GetDefaultFontRecord();
}

}  // namespace SkinUI
