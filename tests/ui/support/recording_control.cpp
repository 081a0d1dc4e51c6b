#include "tests/ui/support/recording_control.h"

#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

RecordingControl::RecordingControl(const wchar_t* name, EventLog* log) : m_log(log)
{
    m_name = name;
}

const wchar_t* RecordingControl::GetClassName() const
{
    return className.c_str();
}

void RecordingControl::DispatchEvent(EventRecordUI& event)
{
    events.push_back(event);
    if (m_log != nullptr)
        m_log->push_back({this, event.type});
    CControlUI::DispatchEvent(event);
}

bool RecordingControl::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    ++paintCount;
    return CControlUI::PaintContent(dc, paintRect, stopControl);
}

int RecordingControl::Count(EventTypeUI type) const
{
    int count = 0;
    for (const EventRecordUI& event : events)
        count += event.type == type ? 1 : 0;
    return count;
}

TestPanel::TestPanel(const wchar_t* name, EventLog* log) : RecordingControl(name, log) {}

TestPanel::~TestPanel()
{
    for (auto& child : m_children)
        child.first->Delete();
}

void TestPanel::AddChild(CControlUI* child, RECT offset)
{
    m_children.push_back({child, offset});
    if (m_manager != nullptr)
        m_manager->InitControls(child, this);
    else
        child->SetManager(nullptr, this, false);
}

void TestPanel::ReleaseChild(CControlUI* child)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->first == child) {
            m_children.erase(it);
            return;
        }
    }
}

void TestPanel::SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize)
{
    for (auto& child : m_children)
        child.first->SetManager(manager, this, initialize);
    CControlUI::SetManager(manager, parent, initialize);
}

void TestPanel::SetPosition(RECT rect, bool invalidate)
{
    CControlUI::SetPosition(rect, invalidate);
    for (auto& child : m_children) {
        RECT placed = child.second;
        OffsetRect(&placed, m_position.left, m_position.top);
        child.first->SetPosition(child.first->IsFloating() ? child.second : placed, false);
    }
}

CControlUI* TestPanel::FindControl(FindControlProcUI proc, void* data, UINT flags)
{
    if (!PassesFindFilters(proc, data, flags))
        return nullptr;
    if ((flags & kFindMeFirst) != 0) {
        CControlUI* result = proc(this, data);
        if (result != nullptr)
            return result;
    }
    const int count = ChildCount();
    for (int i = 0; i < count; ++i) {
        const int index = (flags & kFindTopFirst) != 0 ? count - 1 - i : i;
        CControlUI* result = m_children[index].first->FindControl(proc, data, flags);
        if (result != nullptr)
            return result;
    }
    if ((flags & kFindMeFirst) == 0)
        return proc(this, data);
    return nullptr;
}

bool TestPanel::PaintContent(HDC dc, const RECT& paintRect, CControlUI* stopControl)
{
    RecordingControl::PaintContent(dc, paintRect, stopControl);
    for (auto& child : m_children) {
        if (child.first->IsVisible() && !child.first->Paint(dc, paintRect, stopControl))
            return false;
    }
    return true;
}

}  // namespace test
}  // namespace SkinUI
