#pragma once
// The five key-assignment dialogs, one per mouse family. Construct them with
// new: RunDialog deletes them.

#include "app/dialogs/keyedit/key_edit_dialog.h"

template <MouseFamily Family>
class KeyEditMember : public KeyEditDialog {
protected:
    KeyEditMember(MouseFamily family, const PageServices& services, ButtonAssignmentEntry* kelvoEntry,
                  MacroKeyEntry* nolxEntry)
        : KeyEditDialog(family, services, kelvoEntry, nolxEntry) {
        Slot().dialog = this;
    }
    // A hook still installed goes with its dialog.
    ~KeyEditMember() override {
        KeyboardHookSlot& slot = Slot();
        if (slot.hook != nullptr) UnhookWindowsHookEx(slot.hook);
        slot.hook = nullptr;
        if (slot.dialog == this) slot.dialog = nullptr;
    }

    KeyboardHookSlot& HookSlot() const override { return Slot(); }
    HOOKPROC HookProcedure() const override { return &CaptureKeyProc; }

private:
    static KeyboardHookSlot& Slot() {
        static KeyboardHookSlot slot;
        return slot;
    }
    static LRESULT CALLBACK CaptureKeyProc(int code, WPARAM wParam, LPARAM lParam) {
        return ServeHook(Slot(), code, wParam, lParam);
    }
};

class KeyEdit_Kelvo final : public KeyEditMember<MouseFamily::Kelvo> {
public:
    KeyEdit_Kelvo(const PageServices& services, ButtonAssignmentEntry* entry);

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEdit_Kelvo"; }
};

class KeyEdit_Kelvo_Driver final : public KeyEditMember<MouseFamily::KelvoDriver> {
public:
    KeyEdit_Kelvo_Driver(const PageServices& services, ButtonAssignmentEntry* entry);

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEdit_Kelvo_Driver"; }
};

class KeyEdit_Dolv final : public KeyEditMember<MouseFamily::Dolv> {
public:
    KeyEdit_Dolv(const PageServices& services, MacroKeyEntry* entry);

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEdit_Dolv"; }
};

class KeyEdit_Mesk final : public KeyEditMember<MouseFamily::Mesk> {
public:
    KeyEdit_Mesk(const PageServices& services, MacroKeyEntry* entry);

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEdit_Mesk"; }
};

class KeyEdit_Qiro final : public KeyEditMember<MouseFamily::Qiro> {
public:
    KeyEdit_Qiro(const PageServices& services, MacroKeyEntry* entry);

protected:
    const wchar_t* GetWindowClassName() const override { return L"KeyEdit_Qiro"; }
};
