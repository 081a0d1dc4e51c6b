#include "app/macro/managers/marco_manger_kelvo.h"

#include "app/macro/codec/kelvo_macro_codec.h"
#include "app/macro/editors/marco_edit_members.h"

namespace {

constexpr int kRepeatCountLimit = 254;

template <KelvoVariant variant>
std::vector<uint8_t> Encode(const MacroSteps& steps, const MacroPlayOptions& options)
{
    return EncodeKelvoMacro(variant, steps, {options.playMode, {options.loop.mode, options.loop.repeatCount}});
}

template <KelvoVariant variant>
DecodedMouseMacro Decode(const std::vector<uint8_t>& data)
{
    KelvoDecodedMacro decoded = DecodeKelvoMacro(variant, data);
    DecodedMouseMacro macro{std::move(decoded.steps), std::nullopt, decoded.playMode};
    if (decoded.loop) macro.loop = MacroLoop{decoded.loop->mode, decoded.loop->repeatCount};
    return macro;
}

bool HasRoomFor(const MacroPlayOptions&, const MacroSteps& steps, size_t at, const MacroSteps& added)
{
    return KelvoHasRoomFor(steps, at, added);
}

const std::vector<MacroOptionControl> kOptions = {
    {L"circle_setting", false, 0}, {L"circle_all", false, 1}, {L"circle_stop", true, 0}, {L"circle_continue", true, 1}};

const MouseMacroTraits kKelvo = {
    MacroFileFamily::Kelvo, L"XML\\MarcoManagerPage_Kelvo.xml", L"_Kelvo", L"AddMarcoButton_Kelvo",
    L"DeleteMarcoButton_Kelvo", L"Image\\recbtn_dn.png", L"Image\\recbtn_nr.png", L"marco_edit_container_Kelvo",
    {&Encode<KelvoVariant::Kelvo>, &Decode<KelvoVariant::Kelvo>, &HasRoomFor}, kOptions, KelvoStep::MoveX,
    KelvoStep::MoveY, true, kKelvoMaxDelayMs, kKelvoMaxDelayMs, kRepeatCountLimit, {},
    &MakeMarcoEdit<MarcoEdit_Kelvo>, &MakeMarcoEdit<MarcoEdit_Kelvo>};

// Names, confirmations and step edits go through the keyboard manager's
// editor; inserts through the driver's own.
const MouseMacroTraits kKelvoDriver = {
    MacroFileFamily::KelvoDriver, L"XML\\MarcoManagerPage_Kelvo_Driver.xml", L"_Kelvo_Driver",
    L"AddMarcoButton_Kelvo_Driver", L"DeleteMarcoButton_Kelvo_Driver", L"Image\\recbtn_dn.png",
    L"Image\\recbtn_nr.png", L"marco_edit_container_Kelvo_Driver",
    {&Encode<KelvoVariant::Driver>, &Decode<KelvoVariant::Driver>, &HasRoomFor}, kOptions, KelvoStep::MoveX,
    KelvoStep::MoveY, true, kKelvoMaxDelayMs, kKelvoMaxDelayMs, kRepeatCountLimit, {},
    &MakeMarcoEdit<MarcoEdit>, &MakeMarcoEdit<MarcoEdit_Kelvo_Driver>};

}  // namespace

MarcoManger_Kelvo::MarcoManger_Kelvo(SkinUI::CWindowWnd* owner) : MouseMacroManagerOf(owner, kKelvo) {}

MarcoManger_Kelvo_Driver::MarcoManger_Kelvo_Driver(SkinUI::CWindowWnd* owner)
    : MouseMacroManagerOf(owner, kKelvoDriver)
{
}
