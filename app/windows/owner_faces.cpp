#include "app/windows/owner_faces.h"

using SkinUI::CUIString;
using SkinUI::FontRecordUI;

void TakeOwnerFaces(SkinUI::CWindowManagerUI& own, SkinUI::CWindowManagerUI& owner)
{
    const FontRecordUI* ownerDefault = owner.GetDefaultFontRecord();
    const FontRecordUI* ownDefault = own.GetDefaultFontRecord();
    if (ownerDefault != nullptr && ownDefault != nullptr) {
        const CUIString face = ownerDefault->faceName;
        const FontRecordUI kept = *ownDefault;
        own.SetDefaultFont(face, kept.size, kept.bold, kept.underline, kept.italic, false);
    }
    const int count = own.GetFontCount(false);
    for (int id = 0; id < count; ++id) {
        const FontRecordUI* ownFont = own.GetFontRecord(id);
        const FontRecordUI* ownerFont = owner.GetFontRecord(id);
        if (ownFont == nullptr || ownerFont == nullptr || ownFont->faceName == ownerFont->faceName.GetData())
            continue;
        const CUIString face = ownerFont->faceName;
        const FontRecordUI kept = *ownFont;
        own.AddFont(id, face, kept.size, kept.bold, kept.underline, kept.italic, false);
    }
}
