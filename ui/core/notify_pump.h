#pragma once

#include <windows.h>

#include "ui/core/ui_events.h"

namespace SkinUI {

class CNotifyPump;

typedef void (CNotifyPump::*NotifyParamsHandlerUI)(WPARAM wParam, LPARAM lParam);
typedef void (CNotifyPump::*NotifyRecordHandlerUI)(NotifyRecordUI& record);

// One entry of a notification map: a notification type (compared exactly),
// a control name (empty for any control) and a member handler of the window.
struct NotifyMapEntryUI {
    enum Kind { End = 0, Params = 1, Record = 2 };

    const wchar_t* type;
    const wchar_t* controlName;
    Kind kind;
    NotifyParamsHandlerUI paramsHandler;
    NotifyRecordHandlerUI recordHandler;
};

// A class's entries, ended by NotifyMapEnd(), and its base class's map.
struct NotifyMapUI {
    const NotifyMapUI* base;
    const NotifyMapEntryUI* entries;
};

// Entry builders for handlers of a class derived from CNotifyPump.
template <class Window>
NotifyMapEntryUI NotifyOnRecord(const wchar_t* type, const wchar_t* controlName,
                                void (Window::*handler)(NotifyRecordUI&))
{
    return {type, controlName, NotifyMapEntryUI::Record, nullptr,
            static_cast<NotifyRecordHandlerUI>(handler)};
}

template <class Window>
NotifyMapEntryUI NotifyOnParams(const wchar_t* type, const wchar_t* controlName,
                                void (Window::*handler)(WPARAM, LPARAM))
{
    return {type, controlName, NotifyMapEntryUI::Params, static_cast<NotifyParamsHandlerUI>(handler),
            nullptr};
}

inline NotifyMapEntryUI NotifyMapEnd()
{
    return {nullptr, nullptr, NotifyMapEntryUI::End, nullptr, nullptr};
}

// Dispatches notifications to member handlers through the static maps of
// the most derived class and its bases. A class with a map of its own
// overrides GetNotifyMap and names its base's map as base:
//
//   const NotifyMapUI* MyWindow::GetNotifyMap() const
//   {
//       static const NotifyMapEntryUI entries[] = {
//           NotifyOnRecord(L"click", L"okbtn", &MyWindow::OnOk), NotifyMapEnd()};
//       static const NotifyMapUI map = {WindowImplBase::ClassNotifyMap(), entries};
//       return &map;
//   }
class CNotifyPump {
public:
    CNotifyPump() = default;
    virtual ~CNotifyPump() = default;
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;

    // Through this pump's maps; true when an entry took the record.
    bool DispatchNotification(NotifyRecordUI& record);

    static const NotifyMapUI* ClassNotifyMap();

protected:
    virtual const NotifyMapUI* GetNotifyMap() const;

    // The entry of the record's type for the sender's name, else the last
    // entry of that type for any control; null when there is none.
    static const NotifyMapEntryUI* FindMapEntry(const NotifyMapEntryUI* entries,
                                                const NotifyRecordUI& record);
};

}  // namespace SkinUI
