#include "app/macro/files/macro_save_notice.h"

#include "app/windows/export_notice.h"
#include "app/windows/warrning_message.h"

namespace {

constexpr wchar_t kMacroFileNotSaved[] = L"%{086}";

}  // namespace

void MacroSaveNotice::Report(bool saved, SkinUI::CWindowWnd* owner) {
    if (saved) {
        m_failureShown = false;
        return;
    }
    if (m_failureShown) return;
    m_failureShown = true;
    (new WarrningMessage(owner, kMacroFileNotSaved))->RunDialog();
}

void ReportMacroExport(bool exported, SkinUI::CWindowWnd* owner) {
    if (!exported) (new WarrningMessage(owner, kExportFileNotWritten))->RunDialog();
}
