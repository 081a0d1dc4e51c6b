#include "ui/core/notify_pump.h"

#include <cwchar>

#include "ui/core/control.h"

namespace SkinUI {

const NotifyMapUI* CNotifyPump::ClassNotifyMap()
{
    static const NotifyMapEntryUI entries[] = {NotifyMapEnd()};
    static const NotifyMapUI map = {nullptr, entries};
    return &map;
}

const NotifyMapUI* CNotifyPump::GetNotifyMap() const
{
    return ClassNotifyMap();
}

bool CNotifyPump::DispatchNotification(NotifyRecordUI& record)
{
    for (const NotifyMapUI* map = GetNotifyMap(); map != nullptr; map = map->base) {
        const NotifyMapEntryUI* entry = FindMapEntry(map->entries, record);
        if (entry == nullptr)
            continue;
        if (entry->kind == NotifyMapEntryUI::Params)
            (this->*entry->paramsHandler)(record.wParam, record.lParam);
        else
            (this->*entry->recordHandler)(record);
        return true;
    }
    return false;
}

const NotifyMapEntryUI* CNotifyPump::FindMapEntry(const NotifyMapEntryUI* entries,
                                                  const NotifyRecordUI& record)
{
    const CUIString senderName = record.sender != nullptr ? record.sender->GetName() : CUIString();
    const NotifyMapEntryUI* anyControl = nullptr;
    for (const NotifyMapEntryUI* entry = entries; entry->kind != NotifyMapEntryUI::End; ++entry) {
        if (record.type != entry->type)
            continue;
        const bool forAnyControl = entry->controlName == nullptr || *entry->controlName == L'\0';
        if (forAnyControl)
            anyControl = entry;
        else if (record.sender != nullptr && senderName == entry->controlName)
            return entry;
    }
    return anyControl;
}

}  // namespace SkinUI
