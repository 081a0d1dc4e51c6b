// Assignment texts of the Kelvo and Kelvo driver mice.
#include "app/core/keys/assignment_text_parts.h"
#include "app/core/keys/assignment_texts.h"
#include "app/core/keys/key_codes.h"
#include "app/core/settings/language_text.h"
#include "app/core/settings/settings_containers.h"

namespace {

using SkinUI::CUIString;

constexpr int kNoMacroHigh = 0x00;
constexpr int kNoMacroLow = 0xF0;

const wchar_t* ProfileSwitchToken(int p1) {
    switch (p1) {
        case 1:
            return L"%{100}";
        case 2:
            return L"%{101}";
        case 3:
            return L"%{102}";
        case 4:
            return L"%{103}";
        case 5:
            return L"%{104}";
        case 6:
        case 7:
            return L"%{105}";
        case 8:
        case 9:
        case 10:
            return L"%{106}";
        default:
            return nullptr;
    }
}

// Modifiers of p1 as "Ctrl+" ... then the key name of p2.
CUIString KeyboardText(int p1, int p2) {
    if (p1 == 8 && p2 == 7) return LanguageText(L"%{099}");
    return ModifierPrefix(p1) + GetKeyName(p2);
}

CUIString MacroText(int p1, int p2, MacroCache& cache, bool (DeviceLibraryBinder::*readMacro)(int),
                    DeviceLibraryBinder& binder) {
    if (p1 == kNoMacroHigh && p2 == kNoMacroLow) return LanguageText(L"%{097}");
    const int number = p1 * 256 + p2;
    if (!cache.count(number) && !(binder.*readMacro)(number)) return CUIString();
    const auto found = cache.find(number);
    return found != cache.end() && found->second ? found->second->name : CUIString();
}

const wchar_t* FixedToken(int type) {
    switch (type) {
        case 0:
            return L"%{095}";
        case 5:
            return L"%{089}";
        case 7:
            return L"%{090}";
        case 8:
            return L"%{091}";
        case 9:
            return L"%{092}";
        case 10:
            return L"%{093}";
        case 13:
            return L"%{098}";
        case 15:
            return L"%{096}";
        case 16:
            return L"%{094}";
        default:
            return nullptr;
    }
}

CUIString KelvoFamilyText(int type, int p1, int p2, MacroCache& cache, bool (DeviceLibraryBinder::*readMacro)(int),
                          DeviceLibraryBinder& binder) {
    switch (type) {
        case 1:
            return LanguageText(AssignmentButtonToken(p1));
        case 2:
            return KeyboardText(p1, p2);
        case 3:
            return LanguageText(ConsumerControlToken(p1 * 256 + p2));
        case 6:
        case 14:
            return MacroText(p1, p2, cache, readMacro, binder);
        case 12:
            return LanguageText(ProfileSwitchToken(p1));
        default:
            return LanguageText(FixedToken(type));
    }
}

}  // namespace

CUIString GetAssignmentTextKelvo(int type, int p1, int p2, DeviceLibraryBinder& binder) {
    return KelvoFamilyText(type, p1, p2, KelvoMacroCache, &DeviceLibraryBinder::ReadMacroKelvo, binder);
}

CUIString GetAssignmentTextKelvoDriver(int type, int p1, int p2, DeviceLibraryBinder& binder) {
    return KelvoFamilyText(type, p1, p2, KelvoDriverMacroCache, &DeviceLibraryBinder::ReadMacroKelvoDriver, binder);
}
