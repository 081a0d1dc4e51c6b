#include "app/macro/managers/marco_manger_nolx.h"

#include "app/macro/codec/nolx_macro_codec.h"
#include "app/macro/editors/marco_edit_members.h"

namespace {

constexpr int kDelayEditLimit = 65534;
constexpr int kRepeatCountLimit = 254;

template <NolxChip chip>
std::vector<uint8_t> Encode(const MacroSteps& steps, const MacroPlayOptions& options)
{
    return EncodeNolxMacro(chip, steps, {options.loop.mode, options.loop.repeatCount});
}

template <NolxChip chip>
DecodedMouseMacro Decode(const std::vector<uint8_t>& data)
{
    NolxDecodedMacro decoded = DecodeNolxMacro(chip, data);
    DecodedMouseMacro macro{std::move(decoded.steps), std::nullopt, std::nullopt};
    if (decoded.loop) macro.loop = MacroLoop{decoded.loop->mode, decoded.loop->repeatCount};
    return macro;
}

template <NolxChip chip>
bool HasRoomFor(const MacroPlayOptions& options, const MacroSteps& steps, size_t at, const MacroSteps& added)
{
    return NolxHasRoomFor(chip, options.loop.mode, steps, at, added);
}

template <NolxChip chip>
constexpr MouseMacroCodec kCodec = {&Encode<chip>, &Decode<chip>, &HasRoomFor<chip>};

const std::vector<MacroOptionControl> kCountOrEndless = {
    {L"circle_setting", false, NolxLoopMode::Count}, {L"circle_all", false, NolxLoopMode::Endless}};

const MouseMacroTraits kDolv = {
    MacroFileFamily::Dolv, L"XML\\MarcoManagerPage_Dolv.xml", L"_Dolv", L"AddMarcoButton_Dolv",
    L"DeleteMarcoButton_Dolv", L"Image\\recbtn_dn.png", L"Image\\recbtn_nr.png", L"marco_edit_container_Dolv",
    kCodec<NolxChip::Dolv>, kCountOrEndless, NolxStep::Move, NolxStep::Move, false, kNolxMaxDelayMs, kDelayEditLimit,
    kRepeatCountLimit, {0x00}, &MakeMarcoEdit<MarcoEdit_Dolv>, &MakeMarcoEdit<MarcoEdit_Dolv>};

const MouseMacroTraits kMesk = {
    MacroFileFamily::Mesk, L"XML\\MarcoManagerPage_Mesk.xml", L"_Mesk", L"AddMarcoButton_Mesk",
    L"DeleteMarcoButton_Mesk", L"Image\\recbtn_dn.png", L"Image\\recbtn_nr.png", L"marco_edit_container_Mesk",
    kCodec<NolxChip::Mesk>, kCountOrEndless, NolxStep::Move, NolxStep::Move, false, kNolxMaxDelayMs, kDelayEditLimit,
    kRepeatCountLimit, {0x00}, &MakeMarcoEdit<MarcoEdit_Mesk>, &MakeMarcoEdit<MarcoEdit_Mesk>};

const MouseMacroTraits kQiro = {
    MacroFileFamily::Qiro, L"XML\\MarcoManagerPage_Qiro.xml", L"_Qiro", L"AddMarcoButton", L"DeleteMarcoButton",
    L"Image\\MacroBtnS_03.png", L"Image\\MacroBtnS_01.png",
    L"device_Mouse_Qiro_page", kCodec<NolxChip::Qiro>,
    {{L"circle_setting", false, NolxLoopMode::Count},
     {L"circle_stop_any_key", false, NolxLoopMode::QiroStopOnAnyKey},
     {L"circle_stop", false, NolxLoopMode::QiroStop},
     {L"circle_continue", false, NolxLoopMode::QiroContinue}},
    NolxStep::Move, NolxStep::Move, false, kNolxMaxDelayMs, kDelayEditLimit, NolxMaxRepeatCount(NolxChip::Qiro),
    {0x00}, &MakeMarcoEdit<MarcoEdit_Qiro>, &MakeMarcoEdit<MarcoEdit_Qiro>};

}  // namespace

MarcoManger_Dolv::MarcoManger_Dolv(SkinUI::CWindowWnd* owner) : MouseMacroManagerOf(owner, kDolv) {}

MarcoManger_Mesk::MarcoManger_Mesk(SkinUI::CWindowWnd* owner) : MouseMacroManagerOf(owner, kMesk) {}

MarcoManger_Qiro::MarcoManger_Qiro(SkinUI::CWindowWnd* owner) : MouseMacroManagerOf(owner, kQiro) {}
