#include "ui/core/control_registry.h"

#include <cwchar>
#include <string>
#include <vector>

#include "ui/core/ui_string.h"

namespace SkinUI {

namespace {

struct Registration {
    std::wstring tag;
    ControlFactoryUI factory;
    bool exactCase;
};

bool Matches(const Registration& entry, const wchar_t* tag)
{
    return entry.exactCase ? wcscmp(entry.tag.c_str(), tag) == 0
                           : CompareNoCase(entry.tag.c_str(), tag) == 0;
}

CControlUI* CreateBaseControl()
{
    return new CControlUI;
}

std::vector<Registration>& Registrations()
{
    static std::vector<Registration> registrations = {{L"Control", &CreateBaseControl, false}};
    return registrations;
}

}  // namespace

bool CControlRegistryUI::Register(const wchar_t* tag, ControlFactoryUI factory, bool exactCase)
{
    if (tag == nullptr || *tag == L'\0' || factory == nullptr)
        return false;
    for (const Registration& entry : Registrations())
        if (Matches(entry, tag))
            return false;
    Registrations().push_back({tag, factory, exactCase});
    return true;
}

CControlUI* CControlRegistryUI::Create(const wchar_t* tag)
{
    if (tag == nullptr)
        return nullptr;
    for (const Registration& entry : Registrations())
        if (Matches(entry, tag))
            return entry.factory();
    return nullptr;
}

}  // namespace SkinUI
