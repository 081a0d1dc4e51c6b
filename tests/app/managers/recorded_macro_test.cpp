// Every family's manager with a recorded macro, in each language, for a
// person to look at.
#include <gtest/gtest.h>

#include <string>

#include "app/macro/managers/marco_manger_kelvo.h"
#include "app/macro/managers/marco_manger_nolx.h"
#include "tests/app/managers/manager_window.h"
#include "tests/ui/support/screenshot.h"

using namespace SkinUI;

namespace {

struct Kelvo {
    using Manager = MarcoManger_Kelvo;
    static constexpr MacroFileFamily family = MacroFileFamily::Kelvo;
    static constexpr const wchar_t* suffix = L"_Kelvo";
    static constexpr const wchar_t* shot = L"macro_recorded_kelvo";
};

struct KelvoDriver {
    using Manager = MarcoManger_Kelvo_Driver;
    static constexpr MacroFileFamily family = MacroFileFamily::KelvoDriver;
    static constexpr const wchar_t* suffix = L"_Kelvo_Driver";
    static constexpr const wchar_t* shot = L"macro_recorded_kelvo_driver";
};

struct Dolv {
    using Manager = MarcoManger_Dolv;
    static constexpr MacroFileFamily family = MacroFileFamily::Dolv;
    static constexpr const wchar_t* suffix = L"_Dolv";
    static constexpr const wchar_t* shot = L"macro_recorded_dolv";
};

struct Mesk {
    using Manager = MarcoManger_Mesk;
    static constexpr MacroFileFamily family = MacroFileFamily::Mesk;
    static constexpr const wchar_t* suffix = L"_Mesk";
    static constexpr const wchar_t* shot = L"macro_recorded_mesk";
};

struct Qiro {
    using Manager = MarcoManger_Qiro;
    static constexpr MacroFileFamily family = MacroFileFamily::Qiro;
    static constexpr const wchar_t* suffix = L"_Qiro";
    static constexpr const wchar_t* shot = L"macro_recorded_qiro";
};

template <class F>
class ManagerScreenshot : public ManagerWindow<typename F::Manager> {
protected:
    ManagerScreenshot() : ManagerWindow<typename F::Manager>(F::suffix, F::family) {}

    // Shift+A, then a left click, with the delays between them.
    void Record()
    {
        this->Click(L"recordButton");
        for (DWORD key : {DWORD{VK_LSHIFT}, DWORD{'A'}}) {
            this->Key(WM_KEYDOWN, key);
            g_now += 96;
        }
        for (DWORD key : {DWORD{'A'}, DWORD{VK_LSHIFT}}) {
            this->Key(WM_KEYUP, key);
            g_now += 120;
        }
        this->Mouse(WM_LBUTTONDOWN);
        g_now += 64;
        this->Mouse(WM_LBUTTONUP);
        this->Click(L"recordButton");
    }
};

using Families = ::testing::Types<Kelvo, KelvoDriver, Dolv, Mesk, Qiro>;
TYPED_TEST_SUITE(ManagerScreenshot, Families);

TYPED_TEST(ManagerScreenshot, ARecordedMacroInEachLanguage)
{
    this->NewSelectedMacro(L"Burst");
    for (const wchar_t* language : {L"English", L"Chinese"}) {
        this->LoadLanguage((std::wstring(L"Languages\\") + language + L".xml").c_str());
        this->Record();
        EXPECT_EQ(11u, this->m_manager->Steps().size()) << "six events and the delays between them";
        this->m_host.ShowAndPaint();
        const std::wstring shot = std::wstring(TypeParam::shot) + (language[0] == L'C' ? L"_zh" : L"");
        EXPECT_FALSE(SkinUI::test::SaveScreenshot(this->m_host.hwnd(), shot).empty());
    }
    this->LoadLanguage(L"Languages\\English.xml");
}

}  // namespace
