#pragma once

#include <windows.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/core/control.h"

// Rectangles compared and printed by the assertions.
inline bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}
inline void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace SkinUI {
namespace test {

// Deletes a control the way the framework does.
struct ControlDeleter {
    void operator()(CControlUI* control) const
    {
        if (control != nullptr)
            control->Delete();
    }
};
template <typename Control>
using ControlPtr = std::unique_ptr<Control, ControlDeleter>;

// A new control of the class placed at the position in the manager, as a
// top-level control without parent (initialised, so options join groups).
template <typename Control>
ControlPtr<Control> Place(CWindowManagerUI* manager, RECT position)
{
    ControlPtr<Control> control(new Control);
    control->SetManager(manager, nullptr, true);
    control->SetPosition(position);
    return control;
}

// Dispatches an event at a point with the key character and wParam given.
void Send(CControlUI* control, EventTypeUI type, int x = 0, int y = 0, WPARAM wParam = 0,
          wchar_t key = 0);

class MemCanvas;

// Pixels whose colour is within the tolerance of the RGB value.
int CountNear(const MemCanvas& canvas, DWORD rgb, int tolerance = 2);
// Pixels that differ between two canvases of one size.
int CountDiffering(const MemCanvas& a, const MemCanvas& b);

// A file in a folder of its own under the temporary folder; both are
// removed at the end of the test.
class TempFile {
public:
    TempFile(const wchar_t* name, const std::vector<BYTE>& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // The folder with a trailing backslash.
    const std::wstring& folder() const { return m_folder; }
    std::wstring path() const { return m_folder + m_name; }

private:
    std::wstring m_folder;
    std::wstring m_name;
};

// The skin folder of every manager for one scope; restored afterwards.
class ResourceFolderScope {
public:
    explicit ResourceFolderScope(const std::wstring& folder);
    ~ResourceFolderScope();
    ResourceFolderScope(const ResourceFolderScope&) = delete;
    ResourceFolderScope& operator=(const ResourceFolderScope&) = delete;

private:
    std::wstring m_previous;
};

}  // namespace test
}  // namespace SkinUI
