// Every family's manager with a recorded macro in each language: checked by
// the control walk (tests/ui/support/control_walk.h), and the names of the
// recorded side buttons.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/app/managers/manager_families.h"
#include "tests/ui/support/control_walk.h"

using namespace SkinUI;

namespace {

template <class F>
class RecordedMacro : public FamilyWindow<F> {
protected:
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

using Families = ::testing::Types<KelvoFamily, KelvoDriverFamily, DolvFamily, MeskFamily, QiroFamily>;
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

struct SideButtonTexts {
    const wchar_t* language;
    const wchar_t* back;     // XBUTTON1
    const wchar_t* forward;  // XBUTTON2
};

TYPED_TEST(RecordedMacro, SideButtonsReadAsTheButtonPressedAndAsTheirAssignment)
{
    this->NewSelectedMacro(L"Side");
    this->Click(L"delay_no");
    this->Click(L"recordButton");
    for (DWORD button : {DWORD{XBUTTON1}, DWORD{XBUTTON2}}) {
        this->Mouse(WM_XBUTTONDOWN, button << 16);
        this->Mouse(WM_XBUTTONUP, button << 16);
    }
    this->Click(L"recordButton");
    EXPECT_EQ((MacroSteps{{0xB0, 0xB0}, {0x30, 0x30}, {0xA8, 0xA8}, {0x28, 0x28}}), this->m_manager->Steps())
        << "XBUTTON1 keeps bit 16, XBUTTON2 bit 8";

    using ::testing::EndsWith;
    for (const SideButtonTexts& texts : {SideButtonTexts{L"English", L"Back", L"Forward"},
                                         SideButtonTexts{L"Chinese", L"\x540E\x9000\x952E", L"\x524D\x8FDB\x952E"}}) {
        this->LoadLanguage((std::wstring(L"Languages\\") + texts.language + L".xml").c_str());
        EXPECT_STREQ(texts.back, TypeParam::ButtonAssignmentText(16)) << texts.language;
        EXPECT_STREQ(texts.forward, TypeParam::ButtonAssignmentText(8)) << texts.language;
        EXPECT_THAT(this->ShownRow(L"listex1", 0), EndsWith(texts.back)) << texts.language;
        EXPECT_THAT(this->ShownRow(L"listex1", 1), EndsWith(texts.back)) << texts.language;
        EXPECT_THAT(this->ShownRow(L"listex1", 2), EndsWith(texts.forward)) << texts.language;
        EXPECT_THAT(this->ShownRow(L"listex1", 3), EndsWith(texts.forward)) << texts.language;
    }
    this->LoadLanguage(L"Languages\\English.xml");
}

}  // namespace
