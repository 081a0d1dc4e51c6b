#pragma once
// A mouse macro manager hosted in a window over the program's skin, with a
// fake clock and the family's macro file in a folder of its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/core/files/macro_file_format.h"
#include "app/core/settings/settings_containers.h"
#include "app/macro/files/macro_files.h"
#include "app/macro/list/marco_list.h"
#include "tests/app/menus/skin_fixture.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "tests/ui/support/host_window.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"

using Bytes = std::vector<uint8_t>;

inline int64_t g_now = 0;
inline int64_t FakeNow() { return g_now; }

// The frame the managers live in: the fonts of the main frame and the Qiro
// page's container.
inline const wchar_t kManagerFrame[] =
    L"<Window>"
    L"<Font id=\"0\" name=\"Microsoft YaHei\" size=\"12\" default=\"true\"/>"
    L"<Font id=\"1\" name=\"Microsoft YaHei\" size=\"12\" bold=\"true\"/>"
    L"<Font id=\"5\" name=\"Microsoft YaHei\" size=\"14\" bold=\"true\"/>"
    L"<VerticalLayout name=\"device_Mouse_Qiro_page\" bkcolor=\"#FF15171C\"/>"
    L"</Window>";

template <class Manager>
class ManagerWindow : public ProgramSkin {
protected:
    ManagerWindow(const wchar_t* suffix, MacroFileFamily family) : m_suffix(suffix), m_family(family) {}

    void SetUp() override
    {
        ProgramSkin::SetUp();
        ResetAppSettings();
        MacroTempFolder = m_folder.Path().c_str();
        g_now = 0;
        SkinUI::CLayoutBuilderUI builder;
        SkinUI::CControlUI* frame = builder.Create(kManagerFrame, nullptr, nullptr, &m_host.manager());
        ASSERT_NE(nullptr, frame);
        m_manager = new Manager(nullptr);
        m_manager->SetClock(&FakeNow);
        static_cast<SkinUI::CContainerUI*>(frame)->AddItem(m_manager);
        ASSERT_TRUE(m_host.manager().AttachRoot(frame));
        ASSERT_NE(nullptr, Find(L"listex1"));
    }
    void TearDown() override
    {
        MacroTempFolder = L"";
        ProgramSkin::TearDown();
    }

    SkinUI::CControlUI* Find(const wchar_t* base)
    {
        return m_host.manager().FindControlByName(SkinUI::CUIString(base) + m_suffix);
    }
    void Click(const wchar_t* base)
    {
        SkinUI::CControlUI* control = Find(base);
        ASSERT_NE(nullptr, control);
        if (auto* option = dynamic_cast<SkinUI::COptionUI*>(control)) option->Selected(true, false);
        m_host.manager().SendNotification(control, L"click");
    }
    void Type(const wchar_t* base, const wchar_t* text)
    {
        SkinUI::CControlUI* edit = Find(base);
        ASSERT_NE(nullptr, edit);
        edit->SetText(text);
        m_host.manager().SendNotification(edit, L"textchanged");
    }
    bool IsSelected(const wchar_t* base) { return dynamic_cast<SkinUI::COptionUI*>(Find(base))->IsSelected(); }
    // Events as the manager's low-level hooks deliver them.
    static void Key(WPARAM message, DWORD virtualKey)
    {
        KBDLLHOOKSTRUCT event = {};
        event.vkCode = virtualKey;
        Manager::KeyboardHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
    }
    static void Mouse(WPARAM message)
    {
        MSLLHOOKSTRUCT event = {};
        Manager::MouseHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
    }
    SkinUI::CListUI* Names() { return dynamic_cast<SkinUI::CListUI*>(Find(L"listex")); }
    void NewSelectedMacro(const wchar_t* name)
    {
        m_manager->AddMacro(name);
        Names()->SelectItem(Names()->GetCount() - 1);
    }
    void SelectStep(int row) { dynamic_cast<SkinUI::CListUI*>(Find(L"listex1"))->SelectItem(row); }

    Bytes File() { return FileBytes(m_folder.File(MacroFileNameOf(m_family))); }
    // The data field of record `index` of the macro file, empty when the file has no such record.
    Bytes DataField(size_t index = 0)
    {
        const MacroFileLayout layout = MacroFileLayoutOf(m_family);
        const Bytes file = File();
        if (file.size() < (index + 1) * layout.RecordSize()) return {};
        const auto record = file.begin() + index * layout.RecordSize();
        return Bytes(record + layout.nameField, record + layout.RecordSize());
    }

    TempFolder m_folder;
    SkinUI::test::HostWindow m_host{1080, 640};
    Manager* m_manager = nullptr;

private:
    const wchar_t* m_suffix;
    MacroFileFamily m_family;
};
