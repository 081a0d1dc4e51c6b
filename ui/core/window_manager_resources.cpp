#include <cwctype>
#include <vector>

#include "ui/core/control.h"
#include "ui/core/control_values.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

// Colours.

void CWindowManagerUI::SetColor(DWORD ResourceSetUI::*field, DWORD color, bool shared)
{
    if (shared) {
        DWORD& sharedColor = SharedManagerState().resources.*field;
        if (m_resources.*field == sharedColor)
            m_resources.*field = color;
        sharedColor = color;
    } else {
        m_resources.*field = color;
    }
}

void CWindowManagerUI::SetDisabledTextColor(DWORD color, bool shared)
{
    SetColor(&ResourceSetUI::disabledTextColor, color, shared);
}

void CWindowManagerUI::SetDefaultTextColor(DWORD color, bool shared)
{
    SetColor(&ResourceSetUI::defaultTextColor, color, shared);
}

void CWindowManagerUI::SetLinkColor(DWORD color, bool shared)
{
    SetColor(&ResourceSetUI::linkColor, color, shared);
}

void CWindowManagerUI::SetLinkHoverColor(DWORD color, bool shared)
{
    SetColor(&ResourceSetUI::linkHoverColor, color, shared);
}

void CWindowManagerUI::SetSelectedBackgroundColor(DWORD color, bool shared)
{
    SetColor(&ResourceSetUI::selectedBackgroundColor, color, shared);
}

// Images.

ImageRecordUI* CWindowManagerUI::GetImage(const wchar_t* name)
{
    if (name == nullptr || *name == L'\0')
        return nullptr;
    ImageRecordUI* image = static_cast<ImageRecordUI*>(m_resources.images.Find(name));
    if (image == nullptr)
        image = static_cast<ImageRecordUI*>(SharedManagerState().resources.images.Find(name));
    return image;
}

ImageRecordUI* CWindowManagerUI::GetImageEx(const wchar_t* name, const wchar_t* type, DWORD mask,
                                            bool adjust)
{
    ImageRecordUI* image = GetImage(name);
    if (image == nullptr)
        image = AddImage(name, type, mask, adjust, false);
    return image;
}

ImageRecordUI* CWindowManagerUI::AddImage(const wchar_t* name, const wchar_t* type, DWORD mask,
                                          bool adjust, bool shared)
{
    if (name == nullptr || *name == L'\0')
        return nullptr;
    ImageRecordUI* image = nullptr;
    if (type != nullptr && iswdigit(name[0]))
        image = CRendererUI::LoadImage(ResourceIdUI(_wtoi(name)), type, mask);
    else
        image = CRendererUI::LoadImage(name, type, mask);
    if (image == nullptr)
        return nullptr;
    image->adjust = adjust;
    if (type != nullptr)
        image->resourceType = type;
    image->mask = mask;
    if (adjust && image->bits != nullptr) {
        const size_t bytes = static_cast<size_t>(image->width) * image->height * 4;
        image->unadjusted.assign(image->bits, image->bits + bytes);
    }
    CStringMapUI& table = (shared || m_resourcesShared) ? SharedManagerState().resources.images
                                                        : m_resources.images;
    ImageRecordUI* earlier = static_cast<ImageRecordUI*>(table.Find(name));
    if (earlier != nullptr) {
        CRendererUI::FreeImage(earlier, true);
        table.Remove(name);
    }
    if (!table.Insert(name, image)) {
        CRendererUI::FreeImage(image, true);
        return nullptr;
    }
    return image;
}

void CWindowManagerUI::RemoveAllImages(bool shared)
{
    DeleteTableImages(shared ? SharedManagerState().resources.images : m_resources.images);
}

void CWindowManagerUI::DeleteTableImages(CStringMapUI& table)
{
    for (int i = 0; i < table.GetSize(); ++i)
        CRendererUI::FreeImage(static_cast<ImageRecordUI*>(table.Find(table.GetKeyAt(i))), true);
    table.RemoveAll();
}

// Default attribute lists and custom attributes.

void CWindowManagerUI::AddDefaultAttributeList(const wchar_t* className, const wchar_t* list,
                                               bool shared)
{
    if (className == nullptr || *className == L'\0')
        return;
    CStringMapUI& table = (shared || m_resourcesShared)
                              ? SharedManagerState().resources.defaultAttributes
                              : m_resources.defaultAttributes;
    CUIString* text = new CUIString(list != nullptr ? list : L"");
    delete static_cast<CUIString*>(table.Set(className, text));
}

const wchar_t* CWindowManagerUI::GetDefaultAttributes(const wchar_t* className)
{
    const wchar_t* own = FindText(m_resources.defaultAttributes, className);
    return own != nullptr ? own : FindText(SharedManagerState().resources.defaultAttributes, className);
}

void CWindowManagerUI::RemoveAllDefaultAttributeLists(bool shared)
{
    DeleteTexts(shared ? SharedManagerState().resources.defaultAttributes
                       : m_resources.defaultAttributes);
}

void CWindowManagerUI::AddCustomAttribute(const wchar_t* name, const wchar_t* value)
{
    AddTextIfAbsent(m_customAttributes, name, value);
}

const wchar_t* CWindowManagerUI::GetCustomAttribute(const wchar_t* name)
{
    return FindText(m_customAttributes, name);
}

void CWindowManagerUI::RemoveAllCustomAttributes()
{
    DeleteTexts(m_customAttributes);
}

// Option groups.

bool CWindowManagerUI::AddOptionToGroup(const wchar_t* group, CControlUI* option)
{
    if (group == nullptr || *group == L'\0' || option == nullptr)
        return false;
    CPtrArrayUI* members = static_cast<CPtrArrayUI*>(m_optionGroups.Find(group));
    if (members == nullptr) {
        members = new CPtrArrayUI(6);
        if (!m_optionGroups.Insert(group, members)) {
            delete members;
            return false;
        }
    } else if (members->Find(option) >= 0) {
        return false;
    }
    return members->Add(option);
}

CPtrArrayUI* CWindowManagerUI::GetOptionGroup(const wchar_t* group)
{
    if (group == nullptr)
        return nullptr;
    return static_cast<CPtrArrayUI*>(m_optionGroups.Find(group));
}

void CWindowManagerUI::RemoveOptionFromGroup(const wchar_t* group, CControlUI* option)
{
    CPtrArrayUI* members = GetOptionGroup(group);
    if (members == nullptr)
        return;
    int index = members->Find(option);
    if (index < 0)
        return;
    members->RemoveRange(index, 1);
    if (members->IsEmpty()) {
        delete members;
        m_optionGroups.Remove(group);
    }
}

void CWindowManagerUI::RemoveFromOptionGroups(CControlUI* control)
{
    // Every control leaving the window comes here; few are options.
    std::vector<CUIString> holding;
    m_optionGroups.ForEach([&](const wchar_t* group, void* members) {
        if (static_cast<CPtrArrayUI*>(members)->Find(control) >= 0)
            holding.emplace_back(group);
    });
    for (const CUIString& group : holding)
        RemoveOptionFromGroup(group, control);
}

void CWindowManagerUI::RemoveAllOptionGroups()
{
    for (int i = 0; i < m_optionGroups.GetSize(); ++i)
        delete static_cast<CPtrArrayUI*>(m_optionGroups.Find(m_optionGroups.GetKeyAt(i)));
    m_optionGroups.RemoveAll();
}

// Window attributes of a layout.

void CWindowManagerUI::SetInitialSize(int cx, int cy)
{
    m_initialSize = {cx, cy};
    if (m_root == nullptr && m_window != nullptr)
        SetWindowPos(m_window, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CWindowManagerUI::SetWindowAttribute(const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr)
        return;
    if (value == nullptr)
        value = L"";
    const bool isTrue = _wcsicmp(value, L"true") == 0;
    if (_wcsicmp(name, L"size") == 0) {
        SIZE size = ReadSize(value);
        SetInitialSize(size.cx, size.cy);
    } else if (_wcsicmp(name, L"sizebox") == 0) {
        SetSizeBox(ReadRect(value));
    } else if (_wcsicmp(name, L"caption") == 0) {
        SetCaptionRect(ReadRect(value));
    } else if (_wcsicmp(name, L"roundcorner") == 0) {
        SIZE size = ReadSize(value);
        SetRoundCorner(size.cx, size.cy);
    } else if (_wcsicmp(name, L"mininfo") == 0) {
        SIZE size = ReadSize(value);
        SetMinimumSize(size.cx, size.cy);
    } else if (_wcsicmp(name, L"maxinfo") == 0) {
        SIZE size = ReadSize(value);
        SetMaximumSize(size.cx, size.cy);
    } else if (_wcsicmp(name, L"showdirty") == 0) {
        SetShowUpdateRect(isTrue);
    } else if (wcscmp(name, L"noactivate") == 0) {
        SetNoActivate(isTrue);
    } else if (_wcsicmp(name, L"opacity") == 0) {
        SetOpacity(static_cast<BYTE>(_wtoi(value)));
    } else if (wcscmp(name, L"layeredopacity") == 0) {
        SetLayeredOpacity(static_cast<BYTE>(_wtoi(value)));
    } else if (wcscmp(name, L"layeredimage") == 0) {
        SetLayered(true);
        SetLayeredImage(value);
    } else if (_wcsicmp(name, L"disabledfontcolor") == 0) {
        SetDisabledTextColor(ReadHexColor(value));
    } else if (_wcsicmp(name, L"defaultfontcolor") == 0) {
        SetDefaultTextColor(ReadHexColor(value));
    } else if (_wcsicmp(name, L"linkfontcolor") == 0) {
        SetLinkColor(ReadHexColor(value));
    } else if (_wcsicmp(name, L"linkhoverfontcolor") == 0) {
        SetLinkHoverColor(ReadHexColor(value));
    } else if (_wcsicmp(name, L"selectedcolor") == 0) {
        SetSelectedBackgroundColor(ReadHexColor(value));
    } else {
        AddCustomAttribute(name, value);
    }
}

}  // namespace SkinUI
