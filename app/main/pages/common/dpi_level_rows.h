#pragma once
// The seven DPI level rows of a page, numbered from 1: the option
// "result_DPI%d_check", the slider "result_DPI%d_slider" of the level's step,
// the edit "result_DPI%d_edit" with the step's text and the colour control
// "result_DPI%d_color", each name with the page's suffix. Nothing here
// notifies.

#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_wnd.h"

#include <vector>

class DpiLevelRows {
public:
    static constexpr int kRows = 7;

    DpiLevelRows(const wchar_t* suffix, const std::vector<SkinUI::CUIString>& steps);

    // The control name of a row: part is one of the "result_DPI%d_..." bases above.
    SkinUI::CUIString Name(const wchar_t* part, int row) const;
    // The row of a control named with the part, 0 for none.
    int RowOf(const SkinUI::CUIString& name, const wchar_t* part) const;

    // Rows 1..count enabled, the others disabled.
    void Enable(SkinUI::CWindowManagerUI* manager, int count) const;
    // Only the row's option selected; none for a row outside 1..7.
    void Check(SkinUI::CWindowManagerUI* manager, int row) const;
    // The level's step on the slider and in the edit, its colour on the colour control.
    void Show(SkinUI::CWindowManagerUI* manager, int row, const CpiLevelEntry& level) const;
    void ShowStepText(SkinUI::CWindowManagerUI* manager, int row, int step) const;

    // The colour picker over the owner, starting from the row's level; on OK
    // the level takes the chosen colour (under the library's lock) and the
    // row's colour control shows it. False when cancelled or the level is missing.
    bool PickColour(SkinUI::CWindowManagerUI* manager, SkinUI::CWindowWnd* owner, int row,
                    RecordList<CpiLevelEntry>& levels, DeviceLibrary library) const;

private:
    const wchar_t* suffix_;
    const std::vector<SkinUI::CUIString>& steps_;
};
