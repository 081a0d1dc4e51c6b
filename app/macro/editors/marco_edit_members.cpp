#include "app/macro/editors/marco_edit_members.h"

namespace {

constexpr int kKelvoNameLength = 15;
constexpr int kKelvoDelayLimit = 2040;
constexpr int kNolxNameLength = 7;
constexpr int kNolxDelayLimit = 65534;

const MarcoEditRules kKelvoRules = {L"MarcoEdit_Kelvo", L"XML\\MarcoEdit_Kelvo.xml", L"_Kelvo",
                                    kKelvoNameLength, kKelvoDelayLimit};
const MarcoEditRules kKelvoDriverRules = {L"MarcoEdit_Kelvo_Driver", L"XML\\MarcoEdit_Kelvo_Driver.xml",
                                          L"_Kelvo_Driver", kKelvoNameLength, kKelvoDelayLimit};
const MarcoEditRules kDolvRules = {L"MarcoEdit_Dolv", L"XML\\MarcoEdit_Dolv.xml", L"_Dolv", kNolxNameLength,
                                   kNolxDelayLimit};
const MarcoEditRules kMeskRules = {L"MarcoEdit_Mesk", L"XML\\MarcoEdit_Mesk.xml", L"_Mesk", kNolxNameLength,
                                   kNolxDelayLimit};
const MarcoEditRules kQiroRules = {L"MarcoEdit_Qiro", L"XML\\MarcoEdit_Qiro.xml", L"_Qiro", kNolxNameLength,
                                   kNolxDelayLimit};

KeyCaptureSlot g_kelvoSlot;
KeyCaptureSlot g_kelvoDriverSlot;
KeyCaptureSlot g_dolvSlot;
KeyCaptureSlot g_meskSlot;
KeyCaptureSlot g_qiroSlot;

}  // namespace

MarcoEdit_Kelvo::MarcoEdit_Kelvo(SkinUI::CWindowWnd* owner, int mode)
    : MarcoEdit(owner, mode, kKelvoRules, g_kelvoSlot, &KeyCaptureProcedure<g_kelvoSlot>)
{
}

MarcoEdit_Kelvo_Driver::MarcoEdit_Kelvo_Driver(SkinUI::CWindowWnd* owner, int mode)
    : MarcoEdit(owner, mode, kKelvoDriverRules, g_kelvoDriverSlot, &KeyCaptureProcedure<g_kelvoDriverSlot>)
{
}

MarcoEdit_Dolv::MarcoEdit_Dolv(SkinUI::CWindowWnd* owner, int mode)
    : MarcoEdit(owner, mode, kDolvRules, g_dolvSlot, &KeyCaptureProcedure<g_dolvSlot>)
{
}

MarcoEdit_Mesk::MarcoEdit_Mesk(SkinUI::CWindowWnd* owner, int mode)
    : MarcoEdit(owner, mode, kMeskRules, g_meskSlot, &KeyCaptureProcedure<g_meskSlot>)
{
}

MarcoEdit_Qiro::MarcoEdit_Qiro(SkinUI::CWindowWnd* owner, int mode)
    : MarcoEdit(owner, mode, kQiroRules, g_qiroSlot, &KeyCaptureProcedure<g_qiroSlot>)
{
}
