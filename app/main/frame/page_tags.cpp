#include "app/main/frame/page_tags.h"

#include "app/main/pages/dolv/dialog_mouse_dolv_setting.h"
#include "app/main/pages/kelvo/dialog_mouse_kelvo_setting.h"
#include "app/main/pages/kelvo_driver/dialog_mouse_kelvo_driver_setting.h"
#include "app/main/pages/keyboard/keyboard_page.h"
#include "app/main/pages/mesk/dialog_mouse_mesk_setting.h"
#include "app/main/pages/qiro/dialog_mouse_qiro_setting.h"

#include <cwchar>

const std::vector<PageTag>& ProgramPageTags()
{
    static const std::vector<PageTag> tags = {
        {L"KeyboardPage", &MakePage<CDialogKeySetting, &DevicePages::keyboard>},
        {L"MousePageKelvo", &MakePage<CDialogMouseKelvoSetting, &DevicePages::kelvo>},
        {L"MousePageKelvoDriver", &MakePage<CDialogMouseKelvoDriverSetting, &DevicePages::kelvoDriver>},
        {L"MousePageDolv", &MakePage<CDialogMouseDolvSetting, &DevicePages::dolv>},
        {L"MousePageMesk", &MakePage<CDialogMouseMeskSetting, &DevicePages::mesk>},
        {L"MousePageQiro", &MakePage<CDialogMouseQiroSetting, &DevicePages::qiro>},
    };
    return tags;
}

SkinUI::CControlUI* MakePageForTag(const std::vector<PageTag>& tags, const wchar_t* tag,
                                   const PageServices& services, DevicePages& pages)
{
    if (tag == nullptr)
        return nullptr;
    for (const PageTag& entry : tags) {
        if (_wcsicmp(entry.tag, tag) == 0)
            return entry.make(services, pages);
    }
    return nullptr;
}
