#pragma once

#include "ui/controls/button.h"

namespace SkinUI {

// Button state bit of a selected option.
constexpr UINT kStateSelected = 0x02;

// A button with a selected state: alone it toggles, in a named group of its
// window it is a radio button. Becoming selected (or, ungrouped, changing)
// sends "selectchanged".
class COptionUI : public CButtonUI {
public:
    COptionUI() = default;

    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    bool Activate() override;
    void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool initialize = true) override;
    void SetEnabled(bool enabled = true) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintStatusImage(HDC dc) override;
    void PaintText(HDC dc) override;
    // Selects or clears; a grouped option that becomes selected clears the
    // others of its group (silently) and notifies when asked to.
    virtual void Selected(bool selected, bool notify = true);

    bool IsSelected() const { return m_selected; }
    // The selection operation under the name the program's pages use.
    void SetSelected(bool selected, bool notify = true) { Selected(selected, notify); }

    const CUIString& GetGroup() const { return m_group; }
    void SetGroup(const wchar_t* group);

    const CUIString& GetSelectedImage() const { return m_selectedImage.description; }
    void SetSelectedImage(const wchar_t* description);
    const CUIString& GetSelectedHotImage() const { return m_selectedHotImage.description; }
    void SetSelectedHotImage(const wchar_t* description);
    const CUIString& GetOptionForeImage() const { return m_optionForeImage.description; }
    void SetOptionForeImage(const wchar_t* description);
    DWORD GetSelectedBkColor() const { return m_selectedBkColor; }
    void SetSelectedBkColor(DWORD color) { m_selectedBkColor = color; }
    DWORD GetSelectedTextColor() const { return m_selectedTextColor; }
    void SetSelectedTextColor(DWORD color) { m_selectedTextColor = color; }

protected:
    ~COptionUI() override = default;

private:
    // An unselected option never shows the button's pushed look.
    void PaintUnpushedStatusImage(HDC dc);
    void PaintUnpushedText(HDC dc);
    bool PaintSelectedImage(HDC dc);

    bool m_selected = false;
    CUIString m_group;
    DWORD m_selectedBkColor = 0;
    DWORD m_selectedTextColor = 0;
    ImageDrawInfoUI m_selectedImage;
    ImageDrawInfoUI m_selectedHotImage;
    ImageDrawInfoUI m_optionForeImage;
};

}  // namespace SkinUI
