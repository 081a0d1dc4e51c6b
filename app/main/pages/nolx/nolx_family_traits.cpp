#include "app/main/pages/nolx/nolx_family_traits.h"

SkinUI::CUIString NolxFamilyTraits::Name(const wchar_t* base, int number) const {
    return SuffixedName(base, suffix, number);
}

SkinUI::CUIString NolxFamilyTraits::ButtonName(int number) const {
    SkinUI::CUIString name;
    name.Format(buttonPattern, number);
    return name;
}

int NolxFamilyTraits::ActiveSet() const {
    // A mode the family does not have selects its last table.
    const int mode = DeviceSettings.*keyMode;
    const int sets = static_cast<int>(keyTables.size());
    return mode >= 0 && mode < sets ? mode : sets - 1;
}

RecordList<MacroKeyEntry>& NolxFamilyTraits::ActiveTable() const {
    return *keyTables[static_cast<size_t>(ActiveSet())];
}

const wchar_t* NolxFamilyTraits::TabName(int tab) const {
    switch (tab) {
    case kTabMacros: return L"marco_manager";
    case kTabAdvanced: return L"advanced_Settings";
    case kTabLighting: return L"led_Settings";
    case kTabFireKeys: return L"fire_macro_Settings";
    default: return nullptr;
    }
}
