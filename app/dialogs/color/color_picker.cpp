#include "app/dialogs/color/color_picker.h"

#include "app/core/settings/hsl_colors.h"
#include "app/dialogs/color/color_arithmetic.h"
#include "ui/controls/slider.h"
#include "ui/core/delegate.h"

using namespace SkinUI;

namespace {

constexpr UINT kResultOk = 1;
constexpr UINT kResultCancel = 2;

// Set while the left button, pressed in the rainbow area, is held. One
// picker runs at a time (it is modal).
bool rainbowDragging = false;

DWORD ColourOf(float hue, float saturation, float lightness) {
    DWORD colour = 0xFF000000;
    HslToRgb(&colour, hue, saturation, lightness);
    return colour;
}

}  // namespace

ColorPicker::ColorPicker(CWindowWnd* owner) : owner(owner) {}

bool ColorPicker::PickColor(DWORD* colour) {
    initialColour = *colour;
    HWND ownerWindow = owner != nullptr ? owner->GetWindowHandle() : nullptr;
    UINT result = 0;
    if (Create(ownerWindow, L"colorpicker", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0) != nullptr) result = RunModal();
    if (result == kResultOk) {
        *colour = (*colour & 0xFF000000u) | (static_cast<DWORD>(red) << 16) | (static_cast<DWORD>(green) << 8) | blue;
    }
    delete this;
    return result == kResultOk;
}

const wchar_t* ColorPicker::GetWindowClassName() const { return L"ColorPicker"; }

void ColorPicker::OnDestroyed(HWND formerWindow) {
    rainbowDragging = false;
    WindowImplBase::OnDestroyed(formerWindow);
}

CUIString ColorPicker::GetSkinFolder() { return L"res\\Skin\\"; }

CUIString ColorPicker::GetSkinFile() { return L"XML\\ColorPicker.xml"; }

void ColorPicker::InitWindow() {
    if (CControlUI* rainbow = m_manager.FindControlByName(L"color_rainbow_control"))
        rainbow->OnEvent.AddDelegate(MakeDelegate(this, &ColorPicker::OnRainbowEvent));
    CentreOnOwner();
    SetRgb(static_cast<BYTE>(initialColour >> 16), static_cast<BYTE>(initialColour >> 8),
           static_cast<BYTE>(initialColour));
    float h = 0;
    float s = 0;
    float l = 0;
    RgbToHsl(RGB(red, green, blue), &h, &s, &l);
    SetHsl(h, s, l);
    if (CControlUI* current = m_manager.FindControlByName(L"current_color_control"))
        current->SetBackgroundColor(initialColour | 0xFF000000u);
}

void ColorPicker::CentreOnOwner() {
    const SIZE size = m_manager.GetInitialSize();
    HWND ownerWindow = GetWindow(m_hwnd, GW_OWNER);
    RECT ownerRect;
    if (ownerWindow == nullptr || !GetWindowRect(ownerWindow, &ownerRect)) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        CenterWindow();
        return;
    }
    const int left = ownerRect.left + (ownerRect.right - ownerRect.left - size.cx) / 2;
    const int top = ownerRect.top + (ownerRect.bottom - ownerRect.top - size.cy) / 2;
    SetWindowPos(m_hwnd, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void ColorPicker::SetHsl(float h, float s, float l) {
    hue = h;
    saturation = s;
    lightness = l;
    if (auto* slider = static_cast<CSliderUI*>(m_manager.FindControlByName(L"color_lightness_slider")))
        slider->SetValue(SliderValueForLightness(l));
    ShowLightnessMiddle();
    CControlUI* rainbow = m_manager.FindControlByName(L"color_rainbow_control");
    CControlUI* marker = m_manager.FindControlByName(L"color_location_control");
    if (rainbow == nullptr || marker == nullptr) return;
    PlaceMarkerOnHueSaturation(*rainbow, *marker);
}

void ColorPicker::PlaceMarkerOnHueSaturation(const CControlUI& rainbow, const CControlUI& marker) {
    const SIZE area = {rainbow.GetFixedWidth(), rainbow.GetFixedHeight()};
    const SIZE markerSize = {marker.GetFixedWidth(), marker.GetFixedHeight()};
    PlaceMarker(MarkerOffsetFor(hue, saturation, area, markerSize));
}

void ColorPicker::SetRgb(BYTE r, BYTE g, BYTE b) {
    red = r;
    green = g;
    blue = b;
    const wchar_t* names[] = {L"r_edit", L"g_edit", L"b_edit"};
    const BYTE values[] = {r, g, b};
    for (int i = 0; i < 3; ++i) {
        CControlUI* edit = m_manager.FindControlByName(names[i]);
        if (edit == nullptr) continue;
        CUIString text;
        text.Format(L"%d", values[i]);
        edit->SetText(text);
    }
}

void ColorPicker::ShowHslColour() {
    const DWORD colour = ColourOf(hue, saturation, lightness);
    if (CControlUI* current = m_manager.FindControlByName(L"current_color_control"))
        current->SetBackgroundColor(colour);
    SetRgb(static_cast<BYTE>(colour >> 16), static_cast<BYTE>(colour >> 8), static_cast<BYTE>(colour));
}

void ColorPicker::ShowLightnessMiddle() {
    if (CControlUI* bar = m_manager.FindControlByName(L"color_lightness_control"))
        bar->SetBackgroundColor2(ColourOf(hue, saturation, 0.5f));
}

void ColorPicker::PlaceMarker(POINT offset) {
    CControlUI* marker = m_manager.FindControlByName(L"color_location_control");
    if (marker == nullptr) return;
    marker->SetFixedXY(SIZE{offset.x, offset.y});
    if (CControlUI* parent = marker->GetParent()) parent->RequestLayout();
}

bool ColorPicker::OnRainbowEvent(void* param) {
    const EventRecordUI& event = *static_cast<EventRecordUI*>(param);
    CControlUI* marker = m_manager.FindControlByName(L"color_location_control");
    switch (event.type) {
    case EventTypeUI::ButtonDown:
        if (marker != nullptr) marker->SetVisible(false);
        rainbowDragging = true;
        TakePoint(event.mousePoint);
        break;
    case EventTypeUI::MouseMove:
        if (rainbowDragging) TakePoint(event.mousePoint);
        break;
    case EventTypeUI::ButtonUp:
        if (!rainbowDragging) break;
        TakePoint(event.mousePoint);
        if (marker != nullptr) {
            // On the point the colour was taken from, which a release
            // outside the area moves onto its edge.
            const RECT area = event.sender->GetPosition();
            POINT point = event.mousePoint;
            ClampIntoRect(&point, area);
            PlaceMarker(POINT{point.x - marker->GetFixedWidth() / 2 - area.left,
                              point.y - marker->GetFixedHeight() / 2 - area.top});
            marker->SetVisible(true);
        }
        rainbowDragging = false;
        break;
    case EventTypeUI::CaptureLost:
        // The press ended without a release: the colour last taken stays.
        if (!rainbowDragging) break;
        if (marker != nullptr) {
            PlaceMarkerOnHueSaturation(*event.sender, *marker);
            marker->SetVisible(true);
        }
        rainbowDragging = false;
        break;
    default:
        break;
    }
    return true;
}

void ColorPicker::TakePoint(POINT point) {
    CControlUI* rainbow = m_manager.FindControlByName(L"color_rainbow_control");
    if (rainbow == nullptr) return;
    const RECT area = rainbow->GetPosition();
    if (ClampIntoRect(&point, area)) {
        POINT screen = point;
        ClientToScreen(m_hwnd, &screen);
        SetCursorPos(screen.x, screen.y);
    }
    HueSaturationAt(point, area, &hue, &saturation);
    ShowHslColour();
    ShowLightnessMiddle();
}

void ColorPicker::OnChannelEdited(CControlUI* edit, BYTE* channel) {
    bool limited = false;
    *channel = ChannelFromEditText(edit->GetText(), &limited);
    if (limited) edit->SetText(L"255");
    float h = 0;
    float s = 0;
    float l = 0;
    RgbToHsl(RGB(red, green, blue), &h, &s, &l);
    SetHsl(h, s, l);
    if (CControlUI* current = m_manager.FindControlByName(L"current_color_control"))
        current->SetBackgroundColor(OpaqueColour(red, green, blue));
}

void ColorPicker::Notify(NotifyRecordUI& record) {
    if (record.sender == nullptr) return;
    const CUIString name = record.sender->GetName();
    if (record.type == L"click") {
        if (name == L"okbtn") Close(kResultOk);
        else if (name == L"cancelbtn" || name == L"closebtn") Close(kResultCancel);
    } else if (record.type == L"valuechanged" && name == L"color_lightness_slider") {
        lightness = static_cast<float>(static_cast<CSliderUI*>(record.sender)->GetValue()) / 255;
        ShowHslColour();
    } else if (record.type == L"textchanged") {
        if (name == L"r_edit") OnChannelEdited(record.sender, &red);
        else if (name == L"g_edit") OnChannelEdited(record.sender, &green);
        else if (name == L"b_edit") OnChannelEdited(record.sender, &blue);
    }
}
