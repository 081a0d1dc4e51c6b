#include "app/macro/managers/marco_manger_nolx.h"

#include "app/macro/editors/marco_edit_members.h"

namespace {

template <class Editor>
MarcoEdit* MakeEditor(SkinUI::CWindowWnd* owner, int mode)
{
    return new Editor(owner, mode);
}

MacroHookSlot dolvHooks;
MacroHookSlot meskHooks;
MacroHookSlot qiroHooks;

const NolxManagerTraits kDolv = {
    NolxChip::Dolv, MacroFileFamily::Dolv, L"XML\\MarcoManagerPage_Dolv.xml", L"_Dolv",
    L"AddMarcoButton_Dolv", L"DeleteMarcoButton_Dolv", L"Image\\recbtn_dn.png", L"Image\\recbtn_nr.png",
    L"marco_edit_container_Dolv", &MakeEditor<MarcoEdit_Dolv>};

const NolxManagerTraits kMesk = {
    NolxChip::Mesk, MacroFileFamily::Mesk, L"XML\\MarcoManagerPage_Mesk.xml", L"_Mesk",
    L"AddMarcoButton_Mesk", L"DeleteMarcoButton_Mesk", L"Image\\recbtn_dn.png", L"Image\\recbtn_nr.png",
    L"marco_edit_container_Mesk", &MakeEditor<MarcoEdit_Mesk>};

const NolxManagerTraits kQiro = {
    NolxChip::Qiro, MacroFileFamily::Qiro, L"XML\\MarcoManagerPage_Qiro.xml", L"_Qiro",
    L"AddMarcoButton", L"DeleteMarcoButton", L"file='Image\\MacroBtnS_03.png' dest='0,0,32,32'",
    L"file='Image\\MacroBtnS_01.png' dest='0,0,32,32'",
    L"device_Mouse_Qiro_page", &MakeEditor<MarcoEdit_Qiro>};

}  // namespace

MarcoManger_Dolv::MarcoManger_Dolv(SkinUI::CWindowWnd* owner)
    : NolxMacroManager(owner, kDolv, dolvHooks, &MacroMouseHookProcedure<dolvHooks>,
                       &MacroKeyboardHookProcedure<dolvHooks>)
{
}

MarcoManger_Mesk::MarcoManger_Mesk(SkinUI::CWindowWnd* owner)
    : NolxMacroManager(owner, kMesk, meskHooks, &MacroMouseHookProcedure<meskHooks>,
                       &MacroKeyboardHookProcedure<meskHooks>)
{
}

MarcoManger_Qiro::MarcoManger_Qiro(SkinUI::CWindowWnd* owner)
    : NolxMacroManager(owner, kQiro, qiroHooks, &MacroMouseHookProcedure<qiroHooks>,
                       &MacroKeyboardHookProcedure<qiroHooks>)
{
}
