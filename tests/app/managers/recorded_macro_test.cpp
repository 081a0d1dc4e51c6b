// Every family's manager with a recorded macro in each language, checked
// by the control walk (tests/ui/support/control_walk.h).
#include <gtest/gtest.h>

#include <string>

#include "app/macro/managers/marco_manger_kelvo.h"
#include "app/macro/managers/marco_manger_nolx.h"
#include "tests/app/managers/manager_window.h"
#include "tests/ui/support/control_walk.h"

using namespace SkinUI;

namespace {

struct Kelvo {
    using Manager = MarcoManger_Kelvo;
    static constexpr MacroFileFamily family = MacroFileFamily::Kelvo;
    static constexpr const wchar_t* suffix = L"_Kelvo";
};

struct KelvoDriver {
    using Manager = MarcoManger_Kelvo_Driver;
    static constexpr MacroFileFamily family = MacroFileFamily::KelvoDriver;
    static constexpr const wchar_t* suffix = L"_Kelvo_Driver";
};

struct Dolv {
    using Manager = MarcoManger_Dolv;
    static constexpr MacroFileFamily family = MacroFileFamily::Dolv;
    static constexpr const wchar_t* suffix = L"_Dolv";
};

struct Mesk {
    using Manager = MarcoManger_Mesk;
    static constexpr MacroFileFamily family = MacroFileFamily::Mesk;
    static constexpr const wchar_t* suffix = L"_Mesk";
};

struct Qiro {
    using Manager = MarcoManger_Qiro;
    static constexpr MacroFileFamily family = MacroFileFamily::Qiro;
    static constexpr const wchar_t* suffix = L"_Qiro";
};

template <class F>
class RecordedMacro : public ManagerWindow<typename F::Manager> {
protected:
    RecordedMacro() : ManagerWindow<typename F::Manager>(F::suffix, F::family) {}

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
TYPED_TEST_SUITE(RecordedMacro, Families);

TYPED_TEST(RecordedMacro, LooksFinishedInEachLanguage)
{
    this->NewSelectedMacro(L"Burst");
    for (const wchar_t* language : {L"English", L"Chinese"}) {
        this->LoadLanguage((std::wstring(L"Languages\\") + language + L".xml").c_str());
        this->Record();
        EXPECT_EQ(11u, this->m_manager->Steps().size()) << "six events and the delays between them";
        this->m_host.ShowAndPaint();
        EXPECT_TRUE(SkinUI::test::LooksFinished(this->m_host.manager(), std::wstring(TypeParam::suffix) + L" " + language));
    }
    this->LoadLanguage(L"Languages\\English.xml");
}

}  // namespace
