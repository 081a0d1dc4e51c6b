#pragma once
// The modal colour picker: a hue and saturation area with its marker, a
// lightness slider over a lightness bar, and red, green and blue edits, all
// kept in step; OK hands the chosen red, green and blue back.

#include "ui/core/window_impl_base.h"

class ColorPicker : public SkinUI::WindowImplBase {
public:
    // The owner's window becomes the dialog's owner window; null for none.
    // Made on the heap: PickColor deletes the picker.
    explicit ColorPicker(SkinUI::CWindowWnd* owner);

    // Runs the dialog with the colour word (0xAARRGGBB) and deletes the
    // picker. On OK the word's red, green and blue become the chosen ones
    // (its top byte stays) and the result is true; cancelled, false.
    bool PickColor(DWORD* colour);

    void Notify(SkinUI::NotifyRecordUI& record) override;

protected:
    ~ColorPicker() override = default;

    const wchar_t* GetWindowClassName() const override;
    void OnDestroyed(HWND formerWindow) override;
    void InitWindow() override;
    SkinUI::CUIString GetSkinFolder() override;
    SkinUI::CUIString GetSkinFile() override;

private:
    void SetHsl(float hue, float saturation, float lightness);
    void SetRgb(BYTE r, BYTE g, BYTE b);
    // Shows the colour of the current hue, saturation and lightness.
    void ShowHslColour();
    void CentreOnOwner();
    bool OnRainbowEvent(void* param);
    void TakePoint(POINT point);
    void PlaceMarker(POINT offset);
    // Centres the marker on the current hue and saturation in the area.
    void PlaceMarkerOnHueSaturation(const SkinUI::CControlUI& rainbow, const SkinUI::CControlUI& marker);
    void ShowLightnessMiddle();
    void OnChannelEdited(SkinUI::CControlUI* edit, BYTE* channel);

    SkinUI::CWindowWnd* owner;
    float saturation = 0;
    float hue = 0;
    float lightness = 0;
    BYTE red = 0;
    BYTE green = 0;
    BYTE blue = 0;
    DWORD initialColour = 0;
};
