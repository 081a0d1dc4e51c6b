#include "app/main/pages/common/dpi_level_rows.h"

#include "app/core/settings/constants.h"
#include "app/dialogs/color/color_arithmetic.h"
#include "app/dialogs/color/color_picker.h"
#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"

#include "ui/controls/slider.h"

DpiLevelRows::DpiLevelRows(const wchar_t* suffix, const std::vector<SkinUI::CUIString>& steps)
    : suffix_(suffix), steps_(steps) {}

SkinUI::CUIString DpiLevelRows::Name(const wchar_t* part, int row) const { return SuffixedName(part, suffix_, row); }

int DpiLevelRows::RowOf(const SkinUI::CUIString& name, const wchar_t* part) const {
    for (int row = 1; row <= kRows; ++row) {
        if (SameName(name, Name(part, row))) return row;
    }
    return 0;
}

void DpiLevelRows::Enable(SkinUI::CWindowManagerUI* manager, int count) const {
    for (int row = 1; row <= kRows; ++row) {
        for (const wchar_t* part : {L"result_DPI%d_check", L"result_DPI%d_slider", L"result_DPI%d_color"}) {
            if (SkinUI::CControlUI* control = FindControl(manager, Name(part, row))) control->SetEnabled(row <= count);
        }
    }
}

void DpiLevelRows::Check(SkinUI::CWindowManagerUI* manager, int row) const {
    for (int n = 1; n <= kRows; ++n) ShowSelected(FindControl(manager, Name(L"result_DPI%d_check", n)), n == row);
}

void DpiLevelRows::Show(SkinUI::CWindowManagerUI* manager, int row, const CpiLevelEntry& level) const {
    if (auto* slider = FindControlAs<SkinUI::CSliderUI>(manager, Name(L"result_DPI%d_slider", row))) {
        slider->SetValue(level.value);
    }
    ShowStepText(manager, row, level.value);
    if (SkinUI::CControlUI* colour = FindControl(manager, Name(L"result_DPI%d_color", row))) {
        colour->SetBackgroundColor(OpaqueColour(level.red, level.green, level.blue));
    }
}

void DpiLevelRows::ShowStepText(SkinUI::CWindowManagerUI* manager, int row, int step) const {
    if (SkinUI::CControlUI* edit = FindControl(manager, Name(L"result_DPI%d_edit", row))) {
        edit->SetText(DpiStepText(steps_, step));
    }
}

bool DpiLevelRows::PickColour(SkinUI::CWindowManagerUI* manager, SkinUI::CWindowWnd* owner, int row,
                              RecordList<CpiLevelEntry>& levels, DeviceLibrary library) const {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    DWORD colour = 0;
    {
        const DeviceLibraryBinder::Guard guard = binder.LockLibrary(library);
        const CpiLevelEntry* level = RecordAt(levels, row - 1);
        if (!level) return false;
        colour = OpaqueColour(level->red, level->green, level->blue);
    }
    if (!(new ColorPicker(owner))->PickColor(&colour)) return false;
    {
        // A read while the picker was open may have replaced the level.
        const DeviceLibraryBinder::Guard guard = binder.LockLibrary(library);
        CpiLevelEntry* level = RecordAt(levels, row - 1);
        if (!level) return false;
        level->red = static_cast<int>((colour >> 16) & 0xFF);
        level->green = static_cast<int>((colour >> 8) & 0xFF);
        level->blue = static_cast<int>(colour & 0xFF);
    }
    if (SkinUI::CControlUI* control = FindControl(manager, Name(L"result_DPI%d_color", row))) {
        control->SetBackgroundColor(colour);
    }
    return true;
}
