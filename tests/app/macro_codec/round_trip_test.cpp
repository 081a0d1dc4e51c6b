// Byte code as a controller or a macro file holds it, shown as steps and
// encoded again with the settings shown: every family gives back the same
// bytes for every step kind.
#include "app/macro/codec/kelvo_macro_codec.h"
#include "app/macro/codec/keyboard_macro_codec.h"
#include "app/macro/codec/nolx_macro_codec.h"
#include "tests/app/macro_codec/family_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// Keys (the zero operand included), moves, the ten button events and delays
// of 1, 255, 256, 300, 65535 and 0 ms.
const Bytes kNolxSteps = {0x82, 0x04, 0x02, 0x04, 0x82, 0x00, 0x02, 0x00, 0x04, 0xFB, 0x0A, 0x04, 0x80, 0x7F,
                          0xA1, 0xA2, 0xA4, 0xA8, 0xB0, 0x21, 0x22, 0x24, 0x28, 0x30,
                          0xFE, 0x00, 0x01, 0xFE, 0x00, 0xFF, 0xFE, 0x01, 0x00, 0xFE, 0x01, 0x2C, 0xFE, 0xFF, 0xFF,
                          0xFE, 0x00, 0x00};
const Bytes kNolxEnd = {0xFC, 0x00};

// Modifiers, keys, the ten button events, moves and delays of 0, 8, 256,
// 296 and 2040 ms, under the play byte, length, loop step, end marker and
// checksum of each variant.
const Bytes kKelvoEverything = {0x00, 0x30, 0xFD, 0x04, 0x81, 0x01, 0x81, 0x80, 0x01, 0x80, 0x01, 0x01, 0x82,
                                0x04, 0x02, 0x04, 0x82, 0x00, 0x02, 0x00, 0xA1, 0xA2, 0xA4, 0xA8, 0xB0, 0x21,
                                0x22, 0x24, 0x28, 0x30, 0xFB, 0xFB, 0xFA, 0x0A, 0xFB, 0x80, 0xFA, 0x7F, 0xFE,
                                0x00, 0xFE, 0x01, 0xFE, 0x20, 0xFE, 0x25, 0xFE, 0xFF, 0xFC, 0x30};
const Bytes kKelvoStopEndless = {0x01, 0x06, 0xFD, 0xFF, 0xFE, 0x25, 0xFC, 0x7B};
const Bytes kKelvoCount255 = {0x00, 0x04, 0xFD, 0xFE, 0xFC, 0xA1};
const Bytes kDriverEverything = Joined({{0x00, 0x00}, Bytes(kKelvoEverything.begin() + 1, kKelvoEverything.end())});
const Bytes kDriverStopEndless = {0x01, 0x00, 0x06, 0xFD, 0xFF, 0xFE, 0x25, 0xFC, 0x7B};

// Keys, the five button bits pressed and released, moves and delays of 1,
// 255, 256, 300, 65535 and 0 ms.
const Bytes kKeyboardSteps = {0x81, 0x04, 0x01, 0x04, 0x81, 0xE1, 0x01, 0xE1, 0x82, 0x01, 0x02, 0x01, 0x82, 0x02,
                              0x02, 0x02, 0x82, 0x04, 0x02, 0x04, 0x82, 0x08, 0x02, 0x08, 0x82, 0x10, 0x02, 0x10,
                              0x03, 0xFB, 0x0A, 0x03, 0x80, 0x7F,
                              0x04, 0x00, 0x01, 0x04, 0x00, 0xFF, 0x04, 0x01, 0x00, 0x04, 0x01, 0x2C, 0x04, 0xFF, 0xFF,
                              0x04, 0x00, 0x00};

// A family's codec as its manager uses it: the macro shown, then encoded
// with the steps and settings it showed.
struct FamilyCodec {
    MacroFileFamily family;
    std::function<Bytes(const Bytes&)> showAndEncode;
    std::vector<Bytes> macros;  // as the controller holds them
};

std::function<Bytes(const Bytes&)> NolxCodec(NolxChip chip) {
    return [chip](const Bytes& data) {
        const NolxDecodedMacro shown = DecodeNolxMacro(chip, data);
        if (!shown.loop) {
            ADD_FAILURE() << "no loop shown";
            return Bytes{};
        }
        return EncodeNolxMacro(chip, shown.steps, *shown.loop);
    };
}

std::function<Bytes(const Bytes&)> KelvoCodec(KelvoVariant variant) {
    return [variant](const Bytes& data) {
        const KelvoDecodedMacro shown = DecodeKelvoMacro(variant, data);
        if (!shown.playMode || !shown.loop) {
            ADD_FAILURE() << "no play mode or loop shown";
            return Bytes{};
        }
        return EncodeKelvoMacro(variant, shown.steps, {*shown.playMode, *shown.loop});
    };
}

Bytes KeyboardShowAndEncode(const Bytes& data) {
    const KeyboardDecodedMacro shown = DecodeKeyboardMacro(data);
    if (!shown.loop) {
        ADD_FAILURE() << "no loop shown";
        return {};
    }
    return EncodeKeyboardMacro(shown.steps, *shown.loop);
}

std::vector<FamilyCodec> Families() {
    const std::vector<Bytes> dolvMesk = {Joined({{0xFD, 0x05}, kNolxSteps, kNolxEnd}),
                                         Joined({{0xFD, 0x00}, {0xFE, 0x01, 0x2C}, kNolxEnd}),
                                         Joined({{0xFD, 0xFF}, {0x82, 0x04}, kNolxEnd})};
    return {
        {MacroFileFamily::Dolv, NolxCodec(NolxChip::Dolv), dolvMesk},
        {MacroFileFamily::Mesk, NolxCodec(NolxChip::Mesk), dolvMesk},
        {MacroFileFamily::Qiro, NolxCodec(NolxChip::Qiro),
         {Joined({{0xFD, 0x7E}, kNolxSteps, kNolxEnd}), Joined({{0xFD, 0x7F}, {0xFE, 0x01, 0x2C}, kNolxEnd}),
          Joined({{0xFD, 0x80}, {0xA8, 0x28}, kNolxEnd}), Joined({kNolxSteps, kNolxEnd})}},
        {MacroFileFamily::Kelvo, KelvoCodec(KelvoVariant::Kelvo), {kKelvoEverything, kKelvoStopEndless, kKelvoCount255}},
        {MacroFileFamily::KelvoDriver, KelvoCodec(KelvoVariant::Driver), {kDriverEverything, kDriverStopEndless}},
        {MacroFileFamily::Wenk, &KeyboardShowAndEncode,
         {Joined({{0x05, 0x02}, kKeyboardSteps, {0x06}}), Joined({{0x07, 0x05, 0xFF}, kKeyboardSteps, {0x06}}),
          Joined({{0x08, 0x05, 0xFF}, {0x04, 0x01, 0x2C}, {0x06}})}},
    };
}

std::string NameOf(MacroFileFamily family) {
    const char* const names[] = {"Wenk", "Kelvo", "Kelvo driver", "Dolv", "Mesk", "Qiro"};
    return names[static_cast<int>(family)];
}

TEST(MacroRoundTrip, TheControllersByteCodeOfEveryStepKindComesBackUnchanged) {
    for (const FamilyCodec& codec : Families()) {
        for (size_t i = 0; i < codec.macros.size(); ++i) {
            EXPECT_EQ(codec.showAndEncode(codec.macros[i]), codec.macros[i]) << NameOf(codec.family) << " macro " << i;
        }
    }
}

// A record as the file holds it: the name's UTF-16 units high byte first,
// then the data, each field zero-filled.
Bytes FileRecord(MacroFileFamily family, const std::wstring& name, const Bytes& data) {
    const MacroFileLayout layout = MacroFileLayoutOf(family);
    Bytes record(layout.RecordSize(), 0);
    for (size_t i = 0; i < name.size(); ++i) {
        record[2 * i] = static_cast<uint8_t>(name[i] >> 8);
        record[2 * i + 1] = static_cast<uint8_t>(name[i] & 0xFF);
    }
    std::copy(data.begin(), data.end(), record.begin() + static_cast<std::ptrdiff_t>(layout.nameField));
    return record;
}

TEST_F(FamilyFiles, EveryFamilysFileComesBackUnchangedOnceEachMacroIsShownAndEncoded) {
    for (const FamilyCodec& codec : Families()) {
        Bytes file;
        for (size_t i = 0; i < codec.macros.size(); ++i) {
            const Bytes record = FileRecord(codec.family, L"M" + std::to_wstring(i), codec.macros[i]);
            file.insert(file.end(), record.begin(), record.end());
        }
        const std::wstring path = folder.File(L"macros.bin");
        PutFile(path, file);
        MacroList& macros = MacroListOf(codec.family);
        macros.clear();
        ImportMacroFile(store, codec.family, path.c_str());
        ASSERT_EQ(macros.size(), codec.macros.size()) << NameOf(codec.family);
        for (const MacroRef& macro : macros) macro->data = codec.showAndEncode(macro->data);
        ASSERT_TRUE(SaveMacroFile(codec.family));
        EXPECT_EQ(FileBytes(FileOf(codec.family)), file) << NameOf(codec.family);
    }
}

}  // namespace
