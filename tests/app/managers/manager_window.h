#pragma once
// A mouse macro manager hosted in a window over the program's skin, with a
// fake clock and the family's macro file in a folder of its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/core/files/macro_file_format.h"
#include "app/core/settings/settings_containers.h"
#include "app/macro/files/macro_files.h"
#include "app/macro/list/marco_list.h"
#include "tests/app/menus/skin_fixture.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/support/window_input.h"
#include "tests/ui/support/host_window.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"

using Bytes = std::vector<uint8_t>;

inline MacroRef Macro(const wchar_t* name, Bytes data)
{
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = std::move(data);
    return macro;
}

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
    static void Mouse(WPARAM message, DWORD mouseData = 0)
    {
        MSLLHOOKSTRUCT event = {};
        event.mouseData = mouseData;
        Manager::MouseHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
    }
    SkinUI::CListUI* Names() { return dynamic_cast<SkinUI::CListUI*>(Find(L"listex")); }
    void NewSelectedMacro(const wchar_t* name)
    {
        m_manager->AddMacro(name);
        Names()->SelectItem(Names()->GetCount() - 1);
    }
    void SelectStep(int row) { dynamic_cast<SkinUI::CListUI*>(Find(L"listex1"))->SelectItem(row); }
    // The rows of a list as the current language draws them.
    std::vector<std::wstring> ShownRows(const wchar_t* list)
    {
        std::vector<std::wstring> rows;
        for (int row = 0; row < dynamic_cast<SkinUI::CListUI*>(Find(list))->GetCount(); ++row)
            rows.push_back(ShownRow(list, row));
        return rows;
    }
    // Row `row` of a list as the current language draws it.
    std::wstring ShownRow(const wchar_t* list, int row)
    {
        SkinUI::CControlUI* item = dynamic_cast<SkinUI::CListUI*>(Find(list))->GetItemAt(row);
        if (!item) return L"<no row>";
        SkinUI::CUIString text = item->GetText();
        SkinUI::CWindowManagerUI::ReplaceLanguageTokens(text);
        return text.GetData();
    }

    // Imports a file of these macros as a user does, through the name
    // list's menu and the open dialog, while a macro of the family is shown;
    // the names the list then shows.
    std::vector<std::wstring> ImportOverAShownMacro(const MacroList& macros)
    {
        using namespace program_test;
        NewSelectedMacro(L"Old");
        EXPECT_TRUE(m_manager->InsertClick(1));
        const std::wstring path = m_folder.File(L"import.bin");
        PutFile(path, EncodeMacroFile(m_family, macros));
        m_host.ShowAndPaint();
        ModalScript script({[&] { return AnswerFileDialog(path); }});
        const SkinUI::CUIString names = SkinUI::CUIString(L"listex") + m_suffix;
        EXPECT_TRUE(UiWindow(m_host.hwnd()).RightClick(names));
        EXPECT_TRUE(PumpUntil([] { return UiWindow::OfClass(L"MenuWnd").Click(L"menu_Name_Import"); }, 2000));
        EXPECT_TRUE(script.Wait());
        EXPECT_TRUE(m_manager->Steps().empty()) << "the shown macro's steps are gone";
        return ShownRows(L"listex");
    }

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
