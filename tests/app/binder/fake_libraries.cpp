#include "fake_libraries.h"

#include <cstddef>
#include <type_traits>

namespace {

template <class T>
intptr_t AsArgument(T value) {
    if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<intptr_t>(reinterpret_cast<const void*>(value));
    } else {
        return static_cast<intptr_t>(value);
    }
}

template <size_t Offset, class Entry>
struct FakeEntry;

template <size_t Offset, class Result, class... Params>
struct FakeEntry<Offset, Result(__stdcall*)(Params...)> {
    static Result __stdcall Call(Params... params) {
        return FakeExports::Get().Dispatch(Offset, CallArgs{AsArgument(params)...});
    }
};

struct FakeExport {
    DeviceLibrary library;
    const char* name;
    size_t offset;
    void* address;
};

#define VASTEMOR_FAKE_EXPORT(lib, base, suffix, result, params)                                        \
    {DeviceLibrary::lib, #base #suffix, offsetof(DeviceEntries, base##suffix),                          \
     reinterpret_cast<void*>(&FakeEntry<offsetof(DeviceEntries, base##suffix),                          \
                                        decltype(DeviceEntries::base##suffix)>::Call)},

const FakeExport kExports[] = {VASTEMOR_DEVICE_ENTRIES(VASTEMOR_FAKE_EXPORT)};

#undef VASTEMOR_FAKE_EXPORT

const wchar_t* const kLibraryFiles[kDeviceLibraryCount] = {
    L"KorvaneIT_Wenk.dll", L"KorvaneIT_Kelvo.dll", L"KorvaneIT_Kelvo_Driver.dll",
    L"KorvaneIT_Dolv.dll", L"KorvaneIT_Mesk.dll",  L"KorvaneIT_Qiro.dll"};

}  // namespace

FakeExports& FakeExports::Get() {
    static FakeExports exports;
    return exports;
}

void FakeExports::Reset() {
    const std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
    behaviours_.clear();
}

void FakeExports::On(const std::string& exportName, Behaviour behaviour) {
    const std::lock_guard<std::mutex> lock(mutex_);
    behaviours_[exportName] = behaviour;
}

void FakeExports::Answer(const std::string& exportName, int result) {
    On(exportName, [result](const CallArgs&) { return result; });
}

std::vector<std::string> FakeExports::Names() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> names;
    for (const LoggedCall& call : calls_) names.push_back(call.name);
    return names;
}

std::vector<CallArgs> FakeExports::CallsTo(const std::string& exportName) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::vector<CallArgs> found;
    for (const LoggedCall& call : calls_) {
        if (call.name == exportName) found.push_back(call.args);
    }
    return found;
}

int FakeExports::Dispatch(size_t entryOffset, CallArgs args) {
    std::string name;
    for (const FakeExport& entry : kExports) {
        if (entry.offset == entryOffset) name = entry.name;
    }
    Behaviour behaviour;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back({name, args});
        const auto found = behaviours_.find(name);
        if (found != behaviours_.end()) behaviour = found->second;
    }
    return behaviour ? behaviour(args) : 0;
}

FakeModuleLoader::FakeModuleLoader(std::set<std::wstring> missingLibraries, std::set<std::string> missingExports,
                                   std::vector<std::wstring>* loadLog)
    : missingLibraries_(std::move(missingLibraries)), missingExports_(std::move(missingExports)), loadLog_(loadLog) {}

// A fake module handle is its library's slot + 1.
HMODULE FakeModuleLoader::Load(const std::wstring& fileName) {
    if (loadLog_) loadLog_->push_back(fileName);
    if (missingLibraries_.count(fileName)) return nullptr;
    for (int slot = 0; slot < kDeviceLibraryCount; ++slot) {
        if (fileName == kLibraryFiles[slot]) return reinterpret_cast<HMODULE>(static_cast<uintptr_t>(slot + 1));
    }
    return nullptr;
}

void* FakeModuleLoader::FindExport(HMODULE module, const char* name) {
    if (missingExports_.count(name)) return nullptr;
    const auto library = static_cast<DeviceLibrary>(reinterpret_cast<uintptr_t>(module) - 1);
    for (const FakeExport& entry : kExports) {
        if (entry.library == library && std::string(entry.name) == name) return entry.address;
    }
    return nullptr;
}

void FakeModuleLoader::Free(HMODULE) {}
