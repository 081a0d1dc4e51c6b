#include "ui/core/skin_resources.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

void CWindowManagerUI::SetInstance(HINSTANCE instance)
{
    SkinResourcesUI::SetInstance(instance);
}

HINSTANCE CWindowManagerUI::GetInstance()
{
    return SkinResourcesUI::GetInstance();
}

CUIString CWindowManagerUI::GetInstanceFolder()
{
    return SkinResourcesUI::GetInstanceFolder();
}

HINSTANCE CWindowManagerUI::GetResourceModule()
{
    return SkinResourcesUI::GetResourceModule();
}

void CWindowManagerUI::SetResourceFolder(const wchar_t* folder)
{
    SkinResourcesUI::SetResourceFolder(folder);
}

const CUIString& CWindowManagerUI::GetResourceFolder()
{
    return SkinResourcesUI::GetResourceFolder();
}

void CWindowManagerUI::SetResourceZip(const wchar_t* zipName, bool keepOpen)
{
    SkinResourcesUI::SetResourceZip(zipName, keepOpen);
}

void CWindowManagerUI::SetResourceZipFromMemory(const void* data, DWORD size)
{
    SkinResourcesUI::SetResourceZipFromMemory(data, size);
}

const CUIString& CWindowManagerUI::GetResourceZipName()
{
    return SkinResourcesUI::GetResourceZipName();
}

bool CWindowManagerUI::IsResourceZipKeptOpen()
{
    return SkinResourcesUI::IsResourceZipKeptOpen();
}

HZIPUI CWindowManagerUI::GetResourceZipHandle()
{
    return SkinResourcesUI::GetResourceZipHandle();
}

void CWindowManagerUI::CloseResourceZip()
{
    SkinResourcesUI::CloseResourceZip();
}

bool CWindowManagerUI::GetHSL(short* hue, short* saturation, short* lightness)
{
    // Colour adjustment is never switched on: the neutral values stay.
    if (hue != nullptr)
        *hue = 180;
    if (saturation != nullptr)
        *saturation = 100;
    if (lightness != nullptr)
        *lightness = 100;
    return false;
}

CPtrArrayUI* CWindowManagerUI::GetPlugins()
{
    return &SharedManagerState().plugins;
}

}  // namespace SkinUI
