#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

// Control timers use window timer ids 0..254.
constexpr UINT kTimerIdRange = 255;

}  // namespace

bool CWindowManagerUI::AllocateTimerId(UINT* id)
{
    // An id still held by a timer of this window (running or kept for a
    // restart) is skipped, so one control's timer never replaces another's.
    for (UINT attempt = 0; attempt < kTimerIdRange; ++attempt) {
        m_timerIdCounter = (m_timerIdCounter + 1) % kTimerIdRange;
        bool inUse = false;
        for (int i = 0; i < m_timers.GetSize() && !inUse; ++i) {
            const TimerRecordUI* timer = static_cast<TimerRecordUI*>(m_timers.ItemAt(i));
            inUse = timer->window == m_window && timer->windowTimerId == m_timerIdCounter;
        }
        if (!inUse) {
            *id = m_timerIdCounter;
            return true;
        }
    }
    return false;
}

bool CWindowManagerUI::StartTimer(CControlUI* control, UINT localId, UINT periodMs)
{
    if (control == nullptr || m_window == nullptr)
        return false;
    for (int i = 0; i < m_timers.GetSize(); ++i) {
        TimerRecordUI* timer = static_cast<TimerRecordUI*>(m_timers.ItemAt(i));
        if (timer->control == control && timer->localId == localId && timer->window == m_window) {
            if (!timer->stopped)
                return false;
            if (SetTimer(m_window, timer->windowTimerId, periodMs, nullptr) == 0)
                return false;
            timer->stopped = false;
            return true;
        }
    }
    UINT id = 0;
    if (!AllocateTimerId(&id))
        return false;
    if (SetTimer(m_window, id, periodMs, nullptr) == 0)
        return false;
    TimerRecordUI* timer = new TimerRecordUI;
    timer->control = control;
    timer->localId = localId;
    timer->window = m_window;
    timer->windowTimerId = id;
    timer->stopped = false;
    if (!m_timers.Add(timer)) {
        KillTimer(m_window, id);
        delete timer;
        return false;
    }
    return true;
}

bool CWindowManagerUI::StopTimer(CControlUI* control, UINT localId)
{
    for (int i = 0; i < m_timers.GetSize(); ++i) {
        TimerRecordUI* timer = static_cast<TimerRecordUI*>(m_timers.ItemAt(i));
        if (timer->control == control && timer->localId == localId && timer->window == m_window &&
            !timer->stopped) {
            if (IsWindow(m_window))
                KillTimer(m_window, timer->windowTimerId);
            timer->stopped = true;
            return true;
        }
    }
    return false;
}

void CWindowManagerUI::StopControlTimers(CControlUI* control)
{
    for (int i = m_timers.GetSize() - 1; i >= 0; --i) {
        TimerRecordUI* timer = static_cast<TimerRecordUI*>(m_timers.ItemAt(i));
        if (timer->control == control && timer->window == m_window) {
            if (!timer->stopped && IsWindow(m_window))
                KillTimer(m_window, timer->windowTimerId);
            delete timer;
            m_timers.RemoveRange(i, 1);
        }
    }
}

void CWindowManagerUI::RemoveAllTimers()
{
    for (int i = 0; i < m_timers.GetSize(); ++i) {
        TimerRecordUI* timer = static_cast<TimerRecordUI*>(m_timers.ItemAt(i));
        if (timer->window == m_window && !timer->stopped && IsWindow(m_window))
            KillTimer(m_window, timer->windowTimerId);
        delete timer;
    }
    m_timers.Clear();
}

void CWindowManagerUI::FireTimer(UINT windowTimerId, LPARAM lParam)
{
    for (int i = 0; i < m_timers.GetSize(); ++i) {
        TimerRecordUI* timer = static_cast<TimerRecordUI*>(m_timers.ItemAt(i));
        if (timer->window == m_window && timer->windowTimerId == windowTimerId && !timer->stopped) {
            EventRecordUI event;
            event.type = EventTypeUI::Timer;
            event.sender = timer->control;
            event.wParam = timer->localId;
            event.lParam = lParam;
            event.timestamp = GetTickCount();
            event.mousePoint = m_lastMousePoint;
            event.keyState = GetModifierKeyState();
            timer->control->DispatchEvent(event);
            return;
        }
    }
}

}  // namespace SkinUI
