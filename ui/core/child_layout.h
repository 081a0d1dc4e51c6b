#pragma once

#include "ui/core/container.h"

namespace SkinUI {

// Fills itself once, when it joins a window, from a layout file of its own.
class CChildLayoutUI : public CContainerUI {
public:
    const wchar_t* GetClassName() const override;
    void* GetInterfaceByName(const wchar_t* name) override;
    void Initialize() override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    // Stored only; the file is built at initialisation.
    void SetChildLayoutXml(const wchar_t* fileName);
    const CUIString& GetChildLayoutXml() const { return m_xmlFile; }

private:
    CUIString m_xmlFile;
    bool m_built = false;
};

}  // namespace SkinUI
