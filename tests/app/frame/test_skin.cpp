#include "tests/app/frame/test_skin.h"

#include "ui/controls/standard_controls.h"
#include "ui/core/window_manager.h"

#include <fstream>

namespace frame_test {

namespace {

const char kFonts[] =
    "<Font id=\"0\" name=\"Segoe UI\" size=\"12\" default=\"true\"/>"
    "<Font id=\"1\" name=\"Segoe UI\" size=\"16\" bold=\"true\"/>"
    "<Font id=\"2\" name=\"Segoe UI\" size=\"12\"/>"
    "<Font id=\"3\" name=\"Microsoft YaHei\" size=\"13\"/>";

const char kLanguageMenu[] =
    "<HorizontalLayout name=\"language_option\" width=\"200\">"
    "<Button name=\"language_1\" text=\"English\" userdata=\"A.xml\" font=\"2\" width=\"100\"/>"
    "<Button name=\"language_2\" text=\"Chinese\" userdata=\"B.xml\" font=\"3\" width=\"100\"/>"
    "</HorizontalLayout>"
    "<Combo name=\"language_combo\" width=\"100\">"
    "<ListLabelElement text=\"A\" userdata=\"A.xml\"/><ListLabelElement text=\"B\" userdata=\"B.xml\"/>"
    "</Combo>";

std::string MainLayout(bool withLanguages)
{
    return std::string("<?xml version=\"1.0\" encoding=\"utf-8\"?><Window size=\"1310,749\" caption=\"0,0,0,48\">") +
           kFonts +
           "<VerticalLayout bkcolor=\"#FF15171C\"><HorizontalLayout name=\"caption\" height=\"48\">"
           "<Label name=\"title\" text=\"%{088}\" font=\"1\" width=\"200\"/>" +
           (withLanguages ? kLanguageMenu : "") +
           "<Combo name=\"device_combo\" width=\"120\"><ListLabelElement text=\"Qiro\"/>"
           "<ListLabelElement text=\"Keyboard\"/></Combo>"
           "<Button name=\"minbtn\" width=\"32\"/><Button name=\"closebtn\" width=\"32\"/>"
           "</HorizontalLayout>"
           "<TabLayout name=\"tab_switch\"><mousepageqiro name=\"qiro_page\"/><KeyboardPage name=\"kb_page\"/>"
           "</TabLayout></VerticalLayout></Window>";
}

const char kProgressLayout[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?><Window size=\"544,394\">"
    "<VerticalLayout bkcolor=\"#FF1E2128\"><Label name=\"progress_text\" text=\"%{300}\"/></VerticalLayout></Window>";

const char kMessageLayout[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?><Window size=\"400,200\">"
    "<VerticalLayout bkcolor=\"#FF1E2128\"><Label name=\"label_display\" height=\"100\"/>"
    "<HorizontalLayout height=\"40\"><Button name=\"btn_ok\" text=\"OK\" width=\"100\"/>"
    "<Button name=\"btn_cancel\" text=\"Cancel\" width=\"100\"/>"
    "<Button name=\"btn_colse\" text=\"x\" width=\"100\"/><Button name=\"other\" text=\"?\" width=\"100\"/>"
    "</HorizontalLayout></VerticalLayout></Window>";

const char kLanguageA[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?><Language>"
    "<MultiLanguage id=\"1\" value=\"one A\"/><MultiLanguage id=\"2\" value=\"two A\"/>"
    "<MultiLanguage id=\"088\" value=\"Title A\"/></Language>";

const char kLanguageB[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?><Language>"
    "<MultiLanguage id=\"1\" value=\"one B\"/><MultiLanguage id=\"88\" value=\"Title B\"/></Language>";

}  // namespace

TestSkin::TestSkin(bool withLanguages) : dir_(withLanguages ? L"frame_skin" : L"frame_skin_bare")
{
    SkinUI::RegisterStandardControls();
    SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
    dir_.MakeFolder(L"XML");
    dir_.MakeFolder(L"Languages");
    Write(L"XML\\main_frame.xml", MainLayout(withLanguages));
    Write(L"XML\\ProgressBox.xml", kProgressLayout);
    Write(L"XML\\MessageBox.xml", kMessageLayout);
    Write(L"Languages\\A.xml", kLanguageA);
    Write(L"Languages\\B.xml", kLanguageB);
    SkinUI::CWindowManagerUI::SetResourceFolder(dir_.path().c_str());
}

TestSkin::~TestSkin()
{
    SkinUI::CWindowManagerUI::SetResourceFolder(L"");
    SkinUI::CWindowManagerUI::RemoveAllLanguageTexts();
}

void TestSkin::Write(const wchar_t* relative, const std::string& utf8) const
{
    std::ofstream file(dir_.Sub(relative).c_str(), std::ios::binary);
    file << utf8;
}

}  // namespace frame_test
