#pragma once

#include <gtest/gtest.h>

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {
namespace test {

// A control that reports its destruction and wants a given size.
class ProbeControl : public CControlUI {
public:
    explicit ProbeControl(bool* deleted = nullptr, SIZE desired = {0, 0})
        : m_deleted(deleted), m_desired(desired)
    {
    }
    SIZE GetDesiredSize(SIZE) override
    {
        return SIZE{m_desired.cx != 0 ? m_desired.cx : GetFixedWidth(),
                    m_desired.cy != 0 ? m_desired.cy : GetFixedHeight()};
    }
    // Answers "IListItem" when asked, as list rows do.
    void* GetInterfaceByName(const wchar_t* name) override
    {
        if (listItem && wcscmp(name, L"IListItem") == 0)
            return this;
        return CControlUI::GetInterfaceByName(name);
    }
    bool listItem = false;

protected:
    ~ProbeControl() override
    {
        if (m_deleted != nullptr)
            *m_deleted = true;
    }

private:
    bool* m_deleted;
    SIZE m_desired;
};

inline ProbeControl* FixedControl(int width, int height)
{
    ProbeControl* control = new ProbeControl;
    control->SetFixedWidth(width);
    control->SetFixedHeight(height);
    return control;
}

inline EventRecordUI MakeEvent(EventTypeUI type, POINT point = {0, 0}, WPARAM wParam = 0,
                               wchar_t key = 0)
{
    EventRecordUI event;
    event.type = type;
    event.mousePoint = point;
    event.wParam = wParam;
    event.keyChar = key;
    return event;
}

inline ::testing::AssertionResult RectIs(const RECT& actual, LONG l, LONG t, LONG r, LONG b)
{
    if (actual.left == l && actual.top == t && actual.right == r && actual.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "rect is {" << actual.left << ", " << actual.top << ", " << actual.right << ", "
           << actual.bottom << "}, expected {" << l << ", " << t << ", " << r << ", " << b << "}";
}

}  // namespace test
}  // namespace SkinUI
