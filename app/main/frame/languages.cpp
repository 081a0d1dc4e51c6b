#include "app/main/frame/languages.h"

#include "ui/core/control.h"
#include "ui/core/layout_builder.h"

using SkinUI::CUIString;
using SkinUI::CWindowManagerUI;
using SkinUI::FontRecordUI;

namespace {

bool IsKept(const std::map<int, int>& keptFonts, int font)
{
    for (const auto& entry : keptFonts) {
        if (entry.second == font)
            return true;
    }
    return false;
}

}  // namespace

CWindowManagerUI& LanguageTable()
{
    static CWindowManagerUI* table = new CWindowManagerUI();
    return *table;
}

void ReadLanguageFile(const wchar_t* fileName)
{
    const CUIString path = CUIString(L"Languages\\") + (fileName != nullptr ? fileName : L"");
    SkinUI::CLayoutBuilderUI builder;
    if (SkinUI::CControlUI* tree = builder.Create(path, nullptr, nullptr, &LanguageTable(), nullptr))
        tree->Delete();
}

void ReFaceFonts(CWindowManagerUI& manager, const FontRecordUI& font, const std::map<int, int>& keptFonts)
{
    const CUIString face = font.faceName;
    const int size = font.size;
    const bool bold = font.bold, underline = font.underline, italic = font.italic;
    manager.SetDefaultFont(face, size, bold, underline, italic, false);
    const int count = manager.GetFontCount(false);
    for (int id = 0; id < count; ++id) {
        if (IsKept(keptFonts, id))
            continue;
        const FontRecordUI* own = manager.GetFontRecord(id);
        const int ownSize = own->size;
        const bool ownBold = own->bold, ownUnderline = own->underline, ownItalic = own->italic;
        manager.AddFont(id, face, ownSize, ownBold, ownUnderline, ownItalic, false);
    }
}
