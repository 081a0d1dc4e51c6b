#include <cwchar>

#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_preload.h"
#include "ui/core/skin_resources.h"
#include "ui/core/zip_archive.h"

namespace SkinUI {

namespace {

bool IsColorType(LPCWSTR type)
{
    return type && !IS_INTRESOURCE(type) && wcscmp(type, L"*COLOR*") == 0;
}

}  // namespace

bool ImageLoaderUI::ReadResource(LPCWSTR name, LPCWSTR type, std::vector<BYTE>& bytes)
{
    HMODULE module = SkinResourcesUI::GetResourceModule();
    HRSRC resource = FindResourceW(module, name, type);
    if (!resource) return false;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded) return false;
    const void* data = LockResource(loaded);
    const bool ok = data && size > 0;
    if (ok) bytes.assign(static_cast<const BYTE*>(data), static_cast<const BYTE*>(data) + size);
    FreeResource(loaded);
    return ok;
}

namespace {

bool ReadArchiveEntry(HZIPUI archive, LPCWSTR name, std::vector<BYTE>& bytes)
{
    int index = -1;
    ZipEntryUI entry = {};
    if (ZipArchiveUI::FindItem(archive, name, true, &index, &entry) != ZIP_OK) return false;
    if (entry.uncompressedSize == 0 || entry.uncompressedSize > ImageLoaderUI::MAX_ENCODED_SIZE) return false;
    // Zero-filled, so that an entry that delivers fewer bytes decodes as truncated data.
    bytes.assign(entry.uncompressedSize, 0);
    const int result = ZipArchiveUI::ExtractItem(archive, index, bytes.data(), entry.uncompressedSize,
                                                 ZIP_STREAM_MEMORY);
    if (result != ZIP_OK && result != ZIP_MORE_DATA) {
        bytes.clear();
        return false;
    }
    return true;
}

}  // namespace

bool ImageLoaderUI::ReadSkinFile(LPCWSTR name, std::vector<BYTE>& bytes)
{
    if (IS_INTRESOURCE(name)) return false;
    const CUIString& folder = SkinResourcesUI::GetResourceFolder();
    const CUIString& zipName = SkinResourcesUI::GetResourceZipName();
    if (zipName.IsEmpty()) return ReadWholeFile(folder + name, bytes);

    if (SkinResourcesUI::IsResourceZipKeptOpen()) {
        HZIPUI kept = SkinResourcesUI::GetResourceZipHandle();
        return kept && ReadArchiveEntry(kept, name, bytes);
    }
    const CUIString path = folder + zipName;
    HZIPUI archive = ZipArchiveUI::Open(path.GetData(), 0, ZIP_STREAM_FILE);
    if (!archive) return false;
    const bool ok = ReadArchiveEntry(archive, name, bytes);
    ZipArchiveUI::Close(archive);
    return ok;
}

ImageRecordUI* CRendererUI::LoadImage(LPCWSTR name, LPCWSTR type, DWORD mask)
{
    if (!name) return nullptr;
    if (IsColorType(type)) return ImageLoaderUI::CreateColorImage(name, mask);

    if (!type) {
        if (ImageRecordUI* readAhead = CSkinPreloadUI::TakeImage(name, mask)) return readAhead;
    }
    std::vector<BYTE> bytes;
    bool found = type ? ImageLoaderUI::ReadResource(name, type, bytes) : ImageLoaderUI::ReadSkinFile(name, bytes);
    if (!found && !IS_INTRESOURCE(name)) found = ImageLoaderUI::ReadWholeFile(name, bytes);
    if (!found) return nullptr;
    return ImageLoaderUI::Decode(bytes.data(), bytes.size(), mask);
}

}  // namespace SkinUI
