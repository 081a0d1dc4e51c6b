// Assignment texts of the Dolv, Mesk and Qiro mice.
#include "app/core/keys/assignment_text_parts.h"
#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/device_settings.h"
#include "app/core/keys/key_codes.h"
#include "app/core/settings/language_text.h"
#include "app/core/settings/settings_containers.h"

#include <array>
#include <initializer_list>

int DolvLastFireMacroByte = 0;
int MeskLastFireMacroByte = 0;
int QiroLastFireMacroByte = 0;

namespace {

using SkinUI::CUIString;

enum class Chip { Dolv, Mesk, Qiro };

struct NolxFamily {
    Chip chip;
    std::array<FireKeyEntry, 3>& fireKeys;
    int& lastFireMacroByte;
    const MacroList& deviceMacros;
};

// Modifier names of p1, then the key names of p2 and p3, joined by "+".
CUIString KeyboardText(int p1, int p2, int p3) {
    if (p1 == 8 && p2 == 7 && p3 == 0) return LanguageText(L"%{099}");
    CUIString text;
    const auto join = [&text](const CUIString& part) {
        if (part.IsEmpty()) return;
        if (!text.IsEmpty()) text += L"+";
        text += part;
    };
    ForEachModifierName(p1, [&join](const wchar_t* name) { join(CUIString(name)); });
    join(GetKeyName(p2));
    join(GetKeyName(p3));
    return text;
}

// The first fire key with p1's code and the value p2 p3 takes p1's mode.
CUIString FireKeyText(const NolxFamily& family, int p1, int p2, int p3) {
    static const wchar_t* const kTokens[] = {L"%{122}", L"%{123}", L"%{124}"};
    const int code = p1 & 0x0F;
    const int value = p2 * 256 + p3;
    const bool enabled = family.chip == Chip::Mesk ? (p1 & 0x80) != 0 : ((p1 >> 4) & 0x0F) != 1;
    for (size_t i = 0; i < family.fireKeys.size(); ++i) {
        FireKeyEntry& entry = family.fireKeys[i];
        if (entry.code == code && entry.value == value) {
            entry.continueFlag = enabled ? 1 : 0;
            return LanguageText(kTokens[i]);
        }
    }
    return CUIString();
}

const wchar_t* FireMacroToken(Chip chip, int p1) {
    if (chip == Chip::Qiro && p1 == 143) return L"%{131}";
    const int preset = p1 >= 16 && p1 < 32 ? p1 - 16 : p1;
    const int lastPreset = chip == Chip::Qiro ? 6 : 7;
    switch (preset) {
        case 0:
            return L"%{100}";
        case 1:
            return L"%{101}";
        case 2:
            return L"%{102}";
        case 3:
            return L"%{103}";
        case 4:
            return L"%{104}";
        case 5:
            return L"%{105}";
        default:
            return preset == lastPreset ? L"%{106}" : nullptr;
    }
}

bool IsMacroPlaceholder(Chip chip, int p1, int p2) {
    if (chip == Chip::Qiro) return p1 == 1 || p1 == 48;
    return p1 == 7 && p2 == 16;
}

// Macro numbers are the controller's, so the macro is looked up among the
// macros read from the controller.
CUIString MacroText(const NolxFamily& family, int p1, int p2) {
    if (IsMacroPlaceholder(family.chip, p1, p2)) return LanguageText(L"%{130}");
    const int number = p1 * 256 + p2;
    for (const MacroRef& macro : family.deviceMacros) {
        if (macro && macro->number == number) return macro->name;
    }
    return CUIString();
}

const wchar_t* ChoiceToken(int p1, std::initializer_list<const wchar_t*> tokens) {
    if (p1 < 0 || static_cast<size_t>(p1) >= tokens.size()) return nullptr;
    return tokens.begin()[p1];
}

const wchar_t* LedToken(int p1) {
    switch (p1 & 0x87) {
        case 0x80:
            return L"%{115}";
        case 0x81:
            return L"%{116}";
        case 0x82:
            return L"%{127}";
        default:
            return nullptr;
    }
}

CUIString NolxText(const NolxFamily& family, int type, int p1, int p2, int p3) {
    switch (type) {
        case 0:
            return LanguageText(L"%{095}");
        case 1:
            return LanguageText(AssignmentButtonToken(p1));
        case 2:
            return KeyboardText(p1, p2, p3);
        case 3:
            return LanguageText(ConsumerControlToken(p1 * 256 + p2));
        case 4:
            return LanguageText(ChoiceToken(p1, {nullptr, L"%{119}", L"%{120}", L"%{121}"}));
        case 5:
            return LanguageText(L"%{093}");
        case 6:
            return FireKeyText(family, p1, p2, p3);
        case 7:
            return LanguageText(LedToken(p1));
        case 8:
            return LanguageText(ChoiceToken(p1, {L"%{92}", L"%{129}"}));
        case 9:
            return LanguageText(ChoiceToken(p1, {L"%{89}", L"%{90}", L"%{91}"}));
        case 10:
            return LanguageText(ChoiceToken(p1, {L"%{125}", L"%{126}"}));
        case 11:
            family.lastFireMacroByte = p3;
            return LanguageText(FireMacroToken(family.chip, p1));
        case 12:
            return LanguageText(L"%{128}");
        case 14:
            return LanguageText(L"%{94}");
        case 16:
            return MacroText(family, p1, p2);
        default:
            return CUIString();
    }
}

}  // namespace

CUIString GetAssignmentTextDolv(int type, int p1, int p2, int p3) {
    const NolxFamily family{Chip::Dolv, DeviceSettings.FireKeyTableDolv, DolvLastFireMacroByte, DolvDeviceMacroList};
    return NolxText(family, type, p1, p2, p3);
}

CUIString GetAssignmentTextMesk(int type, int p1, int p2, int p3) {
    const NolxFamily family{Chip::Mesk, DeviceSettings.FireKeyTableMesk, MeskLastFireMacroByte, MeskDeviceMacroList};
    return NolxText(family, type, p1, p2, p3);
}

CUIString GetAssignmentTextQiro(int type, int p1, int p2, int p3) {
    const NolxFamily family{Chip::Qiro, DeviceSettings.FireKeyTableQiro, QiroLastFireMacroByte, QiroDeviceMacroList};
    return NolxText(family, type, p1, p2, p3);
}
