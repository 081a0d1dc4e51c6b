#include "tests/app/firecolor/picker_driver.h"

#include "ui/core/window_impl_base.h"

using namespace SkinUI;

namespace firecolor_test {

CControlUI* PickerView::Control(const wchar_t* name) const { return manager->FindControlByName(name); }

std::wstring PickerView::Text(const wchar_t* name) const {
    const CControlUI* control = Control(name);
    return control != nullptr ? std::wstring(control->GetText().GetData()) : L"<missing>";
}

void PickerView::Press(POINT p) const { SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }

void PickerView::Release(POINT p) const { SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }

void PickerView::Move(POINT p) const { SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }

void PickerView::Click(const wchar_t* name) const {
    const POINT centre = Centre(Control(name)->GetPosition());
    Press(centre);
    Release(centre);
}

void PickerView::Type(const wchar_t* name, const wchar_t* text) const {
    CControlUI* edit = Control(name);
    edit->SetText(text);
    manager->SendNotification(edit, L"textchanged");
}

PickerView OpenPicker() {
    PickerView view;
    view.hwnd = FindWindowW(L"ColorPicker", nullptr);
    if (view.hwnd == nullptr) return view;
    auto* window = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(view.hwnd, GWLP_USERDATA));
    view.manager = &static_cast<WindowImplBase*>(window)->GetManager();
    UpdateWindow(view.hwnd);
    return view;
}

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace firecolor_test
