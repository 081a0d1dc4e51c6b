#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/core/control.h"

namespace SkinUI {
namespace test {

class RecordingControl;

// Events of several controls in the order they arrived.
typedef std::vector<std::pair<RecordingControl*, EventTypeUI>> EventLog;

// A control that records every event it is dispatched, then handles it as
// the base control does. Behaviour flags and class name are settable.
class RecordingControl : public CControlUI {
public:
    explicit RecordingControl(const wchar_t* name = L"", EventLog* log = nullptr);

    const wchar_t* GetClassName() const override;
    UINT GetBehaviorFlags() const override { return behaviorFlags; }
    void DispatchEvent(EventRecordUI& event) override;
    void OnInitialize() override { ++initializeCount; }
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

    int Count(EventTypeUI type) const;

    std::vector<EventRecordUI> events;
    UINT behaviorFlags = 0;
    std::wstring className = L"Control";
    int initializeCount = 0;
    int paintCount = 0;

private:
    EventLog* m_log;
};

// A minimal parent for tests: children are placed at fixed offsets inside
// it, searched last to first for hit tests and painted in order.
class TestPanel : public RecordingControl {
public:
    explicit TestPanel(const wchar_t* name = L"panel", EventLog* log = nullptr);

    // Takes ownership; `offset` is relative to the panel's top-left corner.
    void AddChild(CControlUI* child, RECT offset);
    // Gives up a child without deleting it (its owner deletes it).
    void ReleaseChild(CControlUI* child);
    CControlUI* ChildAt(int index) const { return m_children[index].first; }
    int ChildCount() const { return static_cast<int>(m_children.size()); }

    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    void SetPosition(RECT rect, bool invalidate = true) override;
    CControlUI* FindControl(FindControlProcUI proc, void* data, UINT flags) override;
    bool PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;

protected:
    ~TestPanel() override;

private:
    std::vector<std::pair<CControlUI*, RECT>> m_children;
};

}  // namespace test
}  // namespace SkinUI
