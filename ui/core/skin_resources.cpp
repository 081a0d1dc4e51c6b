#include "ui/core/skin_resources.h"

namespace SkinUI {
namespace {

struct SkinLocation {
    HINSTANCE instance = nullptr;
    CUIString folder;
    CUIString zipName;
    bool keepZipOpen = true;
    HZIPUI zip = nullptr;
};

SkinLocation& Location()
{
    static SkinLocation location;
    return location;
}

void CloseKeptZip()
{
    SkinLocation& location = Location();
    if (location.keepZipOpen && location.zip) {
        ZipArchiveUI::Close(location.zip);
        location.zip = nullptr;
    }
}

}  // namespace

const wchar_t* const SkinResourcesUI::MEMORY_ZIP_NAME = L"membuffer";

void SkinResourcesUI::SetInstance(HINSTANCE instance)
{
    Location().instance = instance;
}

HINSTANCE SkinResourcesUI::GetInstance()
{
    return Location().instance;
}

CUIString SkinResourcesUI::GetInstanceFolder()
{
    if (!Location().instance)
        return CUIString();
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(Location().instance, path, MAX_PATH);
    path[MAX_PATH - 1] = L'\0';
    const CUIString module(path);
    const int slash = module.ReverseFindChar(L'\\');
    return slash >= 0 ? module.Left(slash + 1) : module;
}

HINSTANCE SkinResourcesUI::GetResourceModule()
{
    return Location().instance;
}

void SkinResourcesUI::SetResourceFolder(const wchar_t* folder)
{
    CUIString& stored = Location().folder;
    stored = folder;
    if (!stored.IsEmpty()) {
        const wchar_t last = stored.GetAt(stored.GetLength() - 1);
        if (last != L'\\' && last != L'/')
            stored += L'\\';
    }
}

const CUIString& SkinResourcesUI::GetResourceFolder()
{
    return Location().folder;
}

void SkinResourcesUI::SetResourceZip(const wchar_t* zipName, bool keepOpen)
{
    SkinLocation& location = Location();
    if (location.zipName == zipName && location.keepZipOpen == keepOpen)
        return;
    CloseKeptZip();
    location.zipName = zipName;
    location.keepZipOpen = keepOpen;
    if (keepOpen && !location.zipName.IsEmpty()) {
        const CUIString path = location.folder + location.zipName;
        location.zip = ZipArchiveUI::Open(path.GetData(), 0, ZIP_STREAM_FILE);
    }
}

void SkinResourcesUI::SetResourceZipFromMemory(const void* data, DWORD size)
{
    SkinLocation& location = Location();
    if (location.zipName == MEMORY_ZIP_NAME)
        return;
    CloseKeptZip();
    location.zipName = MEMORY_ZIP_NAME;
    if (location.keepZipOpen)
        location.zip = ZipArchiveUI::Open(data, size, ZIP_STREAM_MEMORY);
}

const CUIString& SkinResourcesUI::GetResourceZipName()
{
    return Location().zipName;
}

bool SkinResourcesUI::IsResourceZipKeptOpen()
{
    return Location().keepZipOpen;
}

HZIPUI SkinResourcesUI::GetResourceZipHandle()
{
    return Location().zip;
}

void SkinResourcesUI::CloseResourceZip()
{
    CloseKeptZip();
}

}  // namespace SkinUI
