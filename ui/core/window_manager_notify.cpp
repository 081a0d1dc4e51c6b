#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

bool AddNonNull(CPtrArrayUI& list, void* item)
{
    if (item == nullptr)
        return false;
    return list.Add(item);
}

bool RemoveFirst(CPtrArrayUI& list, void* item)
{
    int index = list.Find(item);
    if (index < 0)
        return false;
    return list.RemoveRange(index, 1);
}

}  // namespace

void CWindowManagerUI::SendNotification(CControlUI* sender, const wchar_t* type, WPARAM wParam,
                                        LPARAM lParam, bool async, bool allowRepeat)
{
    NotifyRecordUI record;
    record.type = type;
    record.sender = sender;
    record.wParam = wParam;
    record.lParam = lParam;
    SendNotificationRecord(record, async, allowRepeat);
}

void CWindowManagerUI::SendNotificationRecord(NotifyRecordUI& record, bool async, bool allowRepeat)
{
    record.mousePoint = m_lastMousePoint;
    record.timestamp = GetTickCount();
    if (m_usesVirtualWindows && record.sender != nullptr)
        record.virtualWindowName = record.sender->GetVirtualWindowName();

    if (!async) {
        DeliverNotification(record);
        return;
    }
    if (!allowRepeat) {
        for (int i = 0; i < m_asyncQueue.GetSize(); ++i) {
            NotifyRecordUI* queued = static_cast<NotifyRecordUI*>(m_asyncQueue.ItemAt(i));
            if (queued->sender == record.sender && queued->type == record.type.GetData()) {
                if (m_usesVirtualWindows)
                    queued->virtualWindowName = record.virtualWindowName;
                queued->wParam = record.wParam;
                queued->lParam = record.lParam;
                queued->mousePoint = record.mousePoint;
                queued->timestamp = record.timestamp;
                return;
            }
        }
    }
    NotifyRecordUI* copy = new NotifyRecordUI(record);
    if (!m_asyncQueue.Add(copy)) {
        delete copy;
        return;
    }
    PostAsyncNotify();
}

void CWindowManagerUI::DeliverNotification(NotifyRecordUI& record)
{
    if (record.sender != nullptr && record.sender->OnNotify.HasDelegates())
        record.sender->OnNotify.Invoke(&record);
    // The count is read again before each call: a receiver added during
    // delivery is called too.
    for (int i = 0; i < m_receivers.GetSize(); ++i)
        static_cast<INotifyUI*>(m_receivers.ItemAt(i))->Notify(record);
}

void CWindowManagerUI::PostAsyncNotify()
{
    if (m_asyncPosted || m_window == nullptr)
        return;
    m_asyncPosted = PostMessageW(m_window, kAsyncNotifyMessage, 0, 0) != FALSE;
}

void CWindowManagerUI::DrainAsyncQueue()
{
    m_asyncPosted = false;
    while (!m_asyncQueue.IsEmpty()) {
        NotifyRecordUI* record = static_cast<NotifyRecordUI*>(m_asyncQueue.ItemAt(0));
        m_asyncQueue.RemoveRange(0, 1);
        DeliverNotification(*record);
        delete record;
    }
    DeleteDelayedCleanup();
}

bool CWindowManagerUI::AddNotifyReceiver(INotifyUI* receiver)
{
    return AddNonNull(m_receivers, receiver);
}

bool CWindowManagerUI::RemoveNotifyReceiver(INotifyUI* receiver)
{
    return RemoveFirst(m_receivers, receiver);
}

bool CWindowManagerUI::AddPreTranslateFilter(IMessageFilterUI* filter)
{
    return AddNonNull(m_preTranslateFilters, filter);
}

bool CWindowManagerUI::RemovePreTranslateFilter(IMessageFilterUI* filter)
{
    return RemoveFirst(m_preTranslateFilters, filter);
}

bool CWindowManagerUI::AddMessageFilter(IMessageFilterUI* filter)
{
    return AddNonNull(m_messageFilters, filter);
}

bool CWindowManagerUI::RemoveMessageFilter(IMessageFilterUI* filter)
{
    return RemoveFirst(m_messageFilters, filter);
}

bool CWindowManagerUI::AddPostPaintControl(CControlUI* control)
{
    return AddNonNull(m_postPaintControls, control);
}

bool CWindowManagerUI::RemovePostPaintControl(CControlUI* control)
{
    return RemoveFirst(m_postPaintControls, control);
}

void CWindowManagerUI::AddMouseLeaveListener(CControlUI* control)
{
    if (control != nullptr && m_mouseLeaveListeners.Find(control) < 0)
        m_mouseLeaveListeners.Add(control);
}

bool CWindowManagerUI::RemoveMouseLeaveListener(CControlUI* control)
{
    return RemoveFirst(m_mouseLeaveListeners, control);
}

bool CWindowManagerUI::AddNativeWindow(CControlUI* control, HWND child)
{
    if (control == nullptr || child == nullptr || m_nativeWindows.Find(child) >= 0)
        return false;
    RECT area = GetChildWindowRect(child);
    InvalidateArea(area);
    if (!m_nativeWindows.Add(child))
        return false;
    if (!m_nativeWindowControls.Add(control)) {
        m_nativeWindows.RemoveRange(m_nativeWindows.GetSize() - 1, 1);
        return false;
    }
    return true;
}

bool CWindowManagerUI::RemoveNativeWindow(HWND child)
{
    int index = m_nativeWindows.Find(child);
    if (index < 0)
        return false;
    m_nativeWindows.RemoveRange(index, 1);
    m_nativeWindowControls.RemoveRange(index, 1);
    return true;
}

RECT CWindowManagerUI::GetChildWindowRect(HWND child) const
{
    RECT rect = {0, 0, 0, 0};
    if (child == nullptr || !GetWindowRect(child, &rect))
        return RECT{0, 0, 0, 0};
    MapWindowPoints(HWND_DESKTOP, m_window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool CWindowManagerUI::AddAcceleratorTranslator(ITranslateAccelerator* translator)
{
    return m_translators.Add(translator);
}

bool CWindowManagerUI::RemoveAcceleratorTranslator(ITranslateAccelerator* translator)
{
    return RemoveFirst(m_translators, translator);
}

bool CWindowManagerUI::TranslateAccelerator(MSG* msg)
{
    for (int i = 0; i < m_translators.GetSize(); ++i) {
        ITranslateAccelerator* translator =
            static_cast<ITranslateAccelerator*>(m_translators.ItemAt(i));
        if (translator != nullptr && translator->TranslateAccelerator(msg) == S_OK)
            return true;
    }
    return false;
}

}  // namespace SkinUI
