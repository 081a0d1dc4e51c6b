#include "tests/program/support/window_input.h"

#include "tests/program/support/program_process.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/controls/combo.h"
#include "ui/controls/combo_wnd.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

#include <utility>

namespace program_test {

namespace {

bool g_quitSeen = false;

LPARAM PointParam(POINT point) { return MAKELPARAM(point.x, point.y); }

POINT CentreOfRect(const RECT& r, double xFraction) {
    return {r.left + static_cast<LONG>((r.right - r.left) * xFraction), (r.top + r.bottom) / 2};
}

void SendKey(WORD virtualKey, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

std::wstring ClassOf(HWND window) {
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

// The system's dialogs (message boxes, file dialogs) have this class.
constexpr wchar_t kSystemDialogClass[] = L"#32770";

// Closes every visible dialog of this thread (windows with an owner, and the
// system's dialogs, which may have none).
BOOL CALLBACK CloseDialog(HWND window, LPARAM) {
    if (IsWindowVisible(window) && (GetWindow(window, GW_OWNER) != nullptr || ClassOf(window) == kSystemDialogClass))
        PostMessageW(window, WM_CLOSE, 2, 0);
    return TRUE;
}

struct ClassSearch {
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK FindOfClass(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ClassSearch*>(param);
    if (!IsWindowVisible(window) || ClassOf(window) != search->className) return TRUE;
    search->found = window;
    return FALSE;
}

ModalScript* g_script = nullptr;
MessageBoxWatch* g_boxWatch = nullptr;

// The file name box of the system's file dialogs: a combo box with an edit
// in explorer-style dialogs, an edit in older ones.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                g_quitSeen = true;
                continue;
            }
            if (!SkinUI::CWindowManagerUI::PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        Sleep(1);
    }
    return true;
}

void Settle(DWORD ms) { PumpUntil([] { return false; }, ms); }

bool TakeQuitSeen() {
    const bool seen = g_quitSeen;
    g_quitSeen = false;
    return seen;
}

UiWindow::UiWindow(HWND window) : window_(window) {}

UiWindow UiWindow::OfClass(const wchar_t* className) {
    ClassSearch search = {className, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindOfClass, reinterpret_cast<LPARAM>(&search));
    return UiWindow(search.found);
}

SkinUI::CWindowManagerUI* UiWindow::Manager() const {
    if (window_ == nullptr || !IsWindow(window_)) return nullptr;
    SkinUI::CPtrArrayUI& managers = SkinUI::SharedManagerState().managers;
    for (int i = 0; i < managers.GetSize(); ++i) {
        auto* manager = static_cast<SkinUI::CWindowManagerUI*>(managers.ItemAt(i));
        if (manager->GetWindowHandle() == window_) return manager;
    }
    return nullptr;
}

bool UiWindow::IsOpen() const { return Manager() != nullptr; }

SkinUI::CControlUI* UiWindow::Find(const wchar_t* name) const {
    SkinUI::CWindowManagerUI* manager = Manager();
    return manager != nullptr ? manager->FindControlByName(name) : nullptr;
}

std::wstring UiWindow::TextOf(const wchar_t* name) const {
    SkinUI::CControlUI* control = Find(name);
    return control != nullptr ? control->GetText().GetData() : L"<missing>";
}

bool UiWindow::IsSelected(const wchar_t* name) const {
    auto* option = FindAs<SkinUI::COptionUI>(name);
    return option != nullptr && option->IsSelected();
}

int UiWindow::SliderValue(const wchar_t* name) const {
    auto* slider = FindAs<SkinUI::CSliderUI>(name);
    return slider != nullptr ? slider->GetValue() : -1;
}

int UiWindow::FontOf(const wchar_t* name) const {
    auto* button = FindAs<SkinUI::CButtonUI>(name);
    return button != nullptr ? button->GetFont() : -1;
}

bool UiWindow::TakesInput() const {
    return IsWindow(window_) && IsWindowEnabled(window_);
}

bool UiWindow::CentreOf(const wchar_t* name, double xFraction, POINT* point) const {
    SkinUI::CControlUI* control = Find(name);
    if (control == nullptr || !control->IsVisible() || !TakesInput()) return false;
    const RECT r = control->GetPosition();
    if (r.right <= r.left || r.bottom <= r.top) return false;
    *point = CentreOfRect(r, xFraction);
    return true;
}

void UiWindow::ClickAt(POINT client) const {
    const LPARAM at = PointParam(client);
    SendMessageW(window_, WM_MOUSEMOVE, 0, at);
    SendMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (IsWindow(window_)) SendMessageW(window_, WM_LBUTTONUP, 0, at);
}

bool UiWindow::Click(const wchar_t* name, double xFraction) const {
    POINT point;
    if (!CentreOf(name, xFraction, &point)) return false;
    ClickAt(point);
    return true;
}

bool UiWindow::RightClick(const wchar_t* name) const {
    POINT point;
    if (!CentreOf(name, 0.5, &point)) return false;
    const LPARAM at = PointParam(point);
    SendMessageW(window_, WM_MOUSEMOVE, 0, at);
    SendMessageW(window_, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(window_, WM_RBUTTONUP, 0, at);
    // The system asks for the context menu after the release (once: the
    // framework forgets the pressed control when it answers).
    POINT screen = point;
    ClientToScreen(window_, &screen);
    SendMessageW(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_), PointParam(screen));
    return true;
}

bool UiWindow::ClickRow(const wchar_t* listName, int row) const {
    auto* list = FindAs<SkinUI::CListUI>(listName);
    if (list == nullptr || !list->IsVisible() || list->GetItemAt(row) == nullptr || !TakesInput()) return false;
    const RECT r = list->GetItemAt(row)->GetPosition();
    if (r.bottom <= r.top) return false;
    ClickAt(CentreOfRect(r, 0.5));
    return list->GetCurSel() == row;
}

bool UiWindow::ChooseComboItem(const wchar_t* comboName, int item, POINT* clicked) const {
    auto* combo = FindAs<SkinUI::CComboUI>(comboName);
    if (combo == nullptr || combo->GetItemAt(item) == nullptr || !Click(comboName)) return false;
    if (!PumpUntil([&] { return combo->GetDropWindow() != nullptr; }, 2000)) return false;
    SkinUI::CComboWnd* drop = combo->GetDropWindow();
    drop->EnsureVisible(item);
    SkinUI::CControlUI* row = combo->GetItemAt(item);
    // A row has no place until this list lays it out.
    const UiWindow list(drop->GetWindowHandle());
    const auto placed = [&] {
        const RECT r = row->GetPosition();
        return r.bottom > r.top && list.Manager() != nullptr && list.Manager()->FindControlAt(CentreOfRect(r, 0.5)) == row;
    };
    if (!PumpUntil(placed, 2000)) return false;
    const POINT at = CentreOfRect(row->GetPosition(), 0.5);
    if (clicked != nullptr) *clicked = at;
    UiWindow(drop->GetWindowHandle()).ClickAt(at);
    PumpUntil([&] { return combo->GetDropWindow() == nullptr; }, 2000);
    return combo->GetCurSel() == item;
}

bool UiWindow::MoveSlider(const wchar_t* sliderName, int value) const {
    auto* slider = FindAs<SkinUI::CSliderUI>(sliderName);
    if (slider == nullptr || !slider->IsVisible() || !TakesInput()) return false;
    const RECT track = slider->GetPosition();
    const POINT from = CentreOfRect(slider->GetThumbRect(), 0.5);
    // The first place on the track that stands for the value.
    const bool horizontal = slider->IsHorizontal();
    POINT to = from;
    LONG& place = horizontal ? to.x : to.y;
    const LONG end = horizontal ? track.right : track.bottom;
    for (place = horizontal ? track.left : track.top; place < end && slider->ValueFromPoint(to) != value; ++place) {}
    SendMessageW(window_, WM_MOUSEMOVE, 0, PointParam(from));
    SendMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(from));
    SendMessageW(window_, WM_MOUSEMOVE, MK_LBUTTON, PointParam(to));
    SendMessageW(window_, WM_LBUTTONUP, 0, PointParam(to));
    return slider->GetValue() == value;
}

bool UiWindow::TypeText(const wchar_t* editName, const wchar_t* text) const {
    if (!Click(editName)) return false;
    HWND edit = GetFocus();
    if (edit == nullptr || edit == window_) return false;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t* c = text; *c != L'\0'; ++c) SendMessageW(edit, WM_CHAR, *c, 1);
    if (*text == L'\0') SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    SetFocus(window_);
    return true;
}

void UiWindow::PressKey(WORD virtualKey) const {
    HWND target = GetFocus() != nullptr ? GetFocus() : window_;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001));
}

bool UiWindow::Screenshot(const std::wstring& name) const {
    RECT client;
    if (!GetClientRect(window_, &client) || client.right <= 0 || client.bottom <= 0) return false;
    SkinUI::test::MemCanvas canvas(client.right, client.bottom, 0xFFFFFFFF);
    SendMessageW(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    return canvas.SavePng(ScreenshotFolder() + name + L".png");
}

bool AnswerFileDialog(const std::wstring& path) {
    const HWND dialog = UiWindow::OfClass(kSystemDialogClass).Handle();
    if (dialog == nullptr) return false;
    HWND name = GetDlgItem(dialog, kFileNameCombo);
    if (name == nullptr || !IsWindowVisible(name)) name = GetDlgItem(dialog, kFileNameEdit);
    if (name == nullptr || !SetWindowTextW(name, path.c_str())) return false;
    // Posted: a dialog that refuses the name shows its own box meanwhile.
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK))) != FALSE;
}

MessageBoxWatch::MessageBoxWatch() {
    g_boxWatch = this;
    timer_ = SetTimer(nullptr, 0, 50, &Tick);
}

MessageBoxWatch::~MessageBoxWatch() {
    KillTimer(nullptr, timer_);
    if (g_boxWatch == this) g_boxWatch = nullptr;
}

std::vector<std::wstring> MessageBoxWatch::Take() { return std::exchange(texts_, {}); }

void CALLBACK MessageBoxWatch::Tick(HWND, UINT, UINT_PTR, DWORD) {
    const UiWindow box = UiWindow::OfClass(L"MessageBox");
    SkinUI::CControlUI* text = box.Find(L"label_display");
    if (g_boxWatch == nullptr || text == nullptr) return;
    // A box not laid out yet takes no click: it is answered at a later tick.
    const std::wstring shown = text->GetText().GetData();
    if (box.Click(L"btn_ok")) g_boxWatch->texts_.push_back(shown);
}

void SendKeyDown(WORD virtualKey) { SendKey(virtualKey, 0); }
void SendKeyUp(WORD virtualKey) { SendKey(virtualKey, KEYEVENTF_KEYUP); }

void SendKeyPress(WORD virtualKey) {
    SendKeyDown(virtualKey);
    SendKeyUp(virtualKey);
}

ModalScript::ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    g_script = this;
    timer_ = SetTimer(nullptr, 0, 60, &Tick);
}

ModalScript::~ModalScript() {
    KillTimer(nullptr, timer_);
    if (g_script == this) g_script = nullptr;
}

bool ModalScript::Wait(DWORD ms) {
    PumpUntil([&] { return next_ == steps_.size(); }, ms);
    return Finished();
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    constexpr int kTries = 50;
    ModalScript* script = g_script;
    if (script == nullptr || script->running_ || script->next_ == script->steps_.size()) return;
    script->running_ = true;
    if (script->steps_[script->next_]()) {
        ++script->next_;
        script->tries_ = 0;
    } else if (++script->tries_ > kTries) {
        script->stalledAt_ = static_cast<int>(script->next_);
        script->next_ = script->steps_.size();
        EnumThreadWindows(GetCurrentThreadId(), &CloseDialog, 0);
    }
    script->running_ = false;
}

}  // namespace program_test
