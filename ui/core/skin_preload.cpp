#include "ui/core/skin_preload.h"

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/core/image_description.h"
#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_resources.h"
#include "ui/core/xml_document.h"

namespace SkinUI {

namespace {

// What tells a file that was read ahead from the file as it is now.
struct FileStamp {
    ULONGLONG size = 0;
    FILETIME written = {};
};

bool StampOf(const CUIString& path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return false;
    stamp.size = static_cast<ULONGLONG>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    stamp.written = data.ftLastWriteTime;
    return true;
}

bool Unchanged(const CUIString& path, const FileStamp& read)
{
    FileStamp now;
    return StampOf(path, now) && now.size == read.size && CompareFileTime(&now.written, &read.written) == 0;
}

bool EndsWithNoCase(const CUIString& text, const wchar_t* ending)
{
    const int length = text.GetLength();
    const int endingLength = static_cast<int>(wcslen(ending));
    return length >= endingLength && CompareNoCase(text.GetData() + length - endingLength, ending) == 0;
}

bool Contains(const std::vector<CUIString>& names, const CUIString& name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const CUIString& known) { return known.CompareNoCase(name) == 0; });
}

// Reads each of the names not read before, until the preload stops.
template <class Read>
void ReadEachNew(const std::vector<CUIString>& names, std::vector<CUIString>& seen,
                 const std::atomic<bool>& stopping, Read read)
{
    for (const CUIString& name : names) {
        if (stopping)
            return;
        if (Contains(seen, name))
            continue;
        seen.push_back(name);
        read(name);
    }
}

// The files an image attribute loads as the window manager would: a skin
// file without a resource type or a mask. Animated images are not loaded
// through the manager.
void AddImageOf(const wchar_t* description, std::vector<CUIString>& images)
{
    ImageDrawInfoUI info;
    info.description = description;
    ImageLoadRequestUI request;
    ParseImageDescription(info, request);
    const bool typed = request.resource && !request.type.IsEmpty();
    if (typed || request.mask != 0 || request.name.IsEmpty() || EndsWithNoCase(request.name, L".gif"))
        return;
    if (!Contains(images, request.name))
        images.push_back(request.name);
}

void AddImagesOf(CXmlNodeUI element, std::vector<CUIString>& images)
{
    for (; element.IsValid(); element = element.GetNextSibling()) {
        for (int i = 0; i < element.GetAttributeCount(); ++i) {
            if (EndsWithNoCase(element.GetAttributeName(i), L"image"))
                AddImageOf(element.GetAttributeValue(i), images);
        }
        AddImagesOf(element.GetFirstChild(), images);
    }
}

template <class Content>
struct ReadAhead {
    CUIString name;
    FileStamp stamp;
    Content content;
};

struct ImageFree {
    void operator()(ImageRecordUI* image) const { CRendererUI::FreeImage(image, true); }
};

using ReadLayout = ReadAhead<std::unique_ptr<CXmlDocumentUI>>;
using ReadImage = ReadAhead<std::unique_ptr<ImageRecordUI, ImageFree>>;

// Takes the entry of that name out of the list.
template <class Entry>
bool TakeNamed(std::vector<Entry>& entries, const wchar_t* name, Entry& taken)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const Entry& entry) { return entry.name.CompareNoCase(name) == 0; });
    if (found == entries.end())
        return false;
    taken = std::move(*found);
    entries.erase(found);
    return true;
}

}  // namespace

// The state of the one preload that reads now.
struct SkinPreloadStateUI {
    CUIString folder;
    std::vector<CUIString> patterns;
    std::vector<ReadLayout> layouts;
    std::vector<ReadImage> images;
    std::atomic<bool> stopping{false};
    std::thread reader;

    void Run();
    void ReadPattern(const CUIString& pattern, std::vector<CUIString>& seenLayouts,
                     std::vector<CUIString>& seenImages);
    void ReadLayoutFile(const CUIString& name, std::vector<CUIString>& seenImages);
    void ReadImageFile(const CUIString& name);
};

namespace {

std::mutex& PreloadMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Guarded by PreloadMutex(); the flag lets loads skip the lock when no
// preload lives.
SkinPreloadStateUI* g_current = nullptr;
std::atomic<bool> g_active{false};

bool ReadsCurrentSkin(const SkinPreloadStateUI& state)
{
    return SkinResourcesUI::GetResourceZipName().IsEmpty() &&
           SkinResourcesUI::GetResourceFolder().CompareNoCase(state.folder) == 0;
}

// Takes what was read ahead of that skin file out of the list, while the skin
// is the one read and the file is as it was read.
template <class Entry>
bool TakeUnchanged(std::vector<Entry> SkinPreloadStateUI::*list, const wchar_t* name, Entry& taken)
{
    if (!g_active || name == nullptr || IS_INTRESOURCE(name))
        return false;
    CUIString path;
    {
        const std::lock_guard<std::mutex> lock(PreloadMutex());
        if (g_current == nullptr || !ReadsCurrentSkin(*g_current) || !TakeNamed(g_current->*list, name, taken))
            return false;
        path = g_current->folder + taken.name;
    }
    return Unchanged(path, taken.stamp);
}

}  // namespace

void SkinPreloadStateUI::Run()
{
    std::vector<CUIString> seenLayouts, seenImages;
    for (const CUIString& pattern : patterns) {
        if (stopping)
            return;
        ReadPattern(pattern, seenLayouts, seenImages);
    }
}

void SkinPreloadStateUI::ReadPattern(const CUIString& pattern, std::vector<CUIString>& seenLayouts,
                               std::vector<CUIString>& seenImages)
{
    const CUIString subfolder = pattern.Left(pattern.ReverseFindChar(L'\\') + 1);
    std::vector<CUIString> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(folder + pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(subfolder + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(),
              [](const CUIString& a, const CUIString& b) { return a.CompareNoCase(b) < 0; });
    ReadEachNew(names, seenLayouts, stopping, [&](const CUIString& name) { ReadLayoutFile(name, seenImages); });
}

void SkinPreloadStateUI::ReadLayoutFile(const CUIString& name, std::vector<CUIString>& seenImages)
{
    ReadLayout layout;
    layout.name = name;
    layout.content = std::make_unique<CXmlDocumentUI>();
    if (!StampOf(folder + name, layout.stamp) || !layout.content->LoadFromPath(folder + name))
        return;
    std::vector<CUIString> images;
    AddImagesOf(layout.content->GetRoot(), images);
    {
        const std::lock_guard<std::mutex> lock(PreloadMutex());
        layouts.push_back(std::move(layout));
    }
    ReadEachNew(images, seenImages, stopping, [this](const CUIString& image) { ReadImageFile(image); });
}

void SkinPreloadStateUI::ReadImageFile(const CUIString& name)
{
    ReadImage image;
    image.name = name;
    std::vector<BYTE> bytes;
    if (!StampOf(folder + name, image.stamp) || !ImageLoaderUI::ReadWholeFile(folder + name, bytes))
        return;
    image.content.reset(ImageLoaderUI::Decode(bytes.data(), bytes.size(), 0));
    if (image.content == nullptr)
        return;
    const std::lock_guard<std::mutex> lock(PreloadMutex());
    images.push_back(std::move(image));
}

CSkinPreloadUI::CSkinPreloadUI(const wchar_t* folder, std::initializer_list<const wchar_t*> layoutPatterns)
{
    const std::lock_guard<std::mutex> lock(PreloadMutex());
    if (g_current != nullptr || folder == nullptr)
        return;
    auto* state = new SkinPreloadStateUI;
    state->folder = folder;
    for (const wchar_t* pattern : layoutPatterns)
        state->patterns.emplace_back(pattern);
    g_current = state;
    g_active = true;
    state->reader = std::thread([state] { state->Run(); });
    m_state = state;
}

CSkinPreloadUI::~CSkinPreloadUI()
{
    if (m_state == nullptr)
        return;
    m_state->stopping = true;
    m_state->reader.join();
    {
        const std::lock_guard<std::mutex> lock(PreloadMutex());
        g_current = nullptr;
        g_active = false;
    }
    delete m_state;
}

bool CSkinPreloadUI::TakeLayout(const wchar_t* fileName, CXmlDocumentUI& document)
{
    ReadLayout layout;
    if (!TakeUnchanged(&SkinPreloadStateUI::layouts, fileName, layout))
        return false;
    document.Swap(*layout.content);
    return true;
}

ImageRecordUI* CSkinPreloadUI::TakeImage(const wchar_t* name, DWORD mask)
{
    ReadImage image;
    if (mask != 0 || !TakeUnchanged(&SkinPreloadStateUI::images, name, image))
        return nullptr;
    return image.content.release();
}

}  // namespace SkinUI
