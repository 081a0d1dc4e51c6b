#include "app/core/binder/device_binder.h"

#include <utility>

namespace {

constexpr size_t kEntryCount = 12 + 73 + 29 + 44 + 43 + 46;
static_assert(sizeof(DeviceEntries) == kEntryCount * sizeof(void*), "one entry per bound export");

size_t Slot(DeviceLibrary library) { return static_cast<size_t>(library); }

}  // namespace

DeviceLibraryBinder& DeviceLibraryBinder::Instance() {
    // Thread-safe first use; deliberately never destroyed.
    static DeviceLibraryBinder* const binder =
        new DeviceLibraryBinder(std::make_unique<FolderModuleLoader>(ProgramFolder()));
    return *binder;
}

DeviceLibraryBinder::DeviceLibraryBinder(std::unique_ptr<ModuleLoader> loader) : loader_(std::move(loader)) {
    LoadDeviceLibraries();
}

DeviceLibraryBinder::~DeviceLibraryBinder() {
    for (HMODULE module : modules_) {
        if (module) loader_->Free(module);
    }
}

bool DeviceLibraryBinder::IsLibraryLoaded(DeviceLibrary library) const { return modules_[Slot(library)] != nullptr; }

DeviceLibraryBinder::Guard DeviceLibraryBinder::LockLibrary(DeviceLibrary library) {
    return Guard(locks_[Slot(library)]);
}

// Each library is optional by itself: one that is missing leaves its group unbound.
void DeviceLibraryBinder::LoadDeviceLibraries() {
    LoadModule(DeviceLibrary::Wenk, L"KorvaneIT_Wenk.dll");
    BindWenkExports();
    LoadModule(DeviceLibrary::Kelvo, L"KorvaneIT_Kelvo.dll");
    BindKelvoExports();
    LoadModule(DeviceLibrary::KelvoDriver, L"KorvaneIT_Kelvo_Driver.dll");
    BindKelvoDriverExports();
    LoadModule(DeviceLibrary::Dolv, L"KorvaneIT_Dolv.dll");
    BindDolvExports();
    LoadModule(DeviceLibrary::Mesk, L"KorvaneIT_Mesk.dll");
    BindMeskExports();
    LoadModule(DeviceLibrary::Qiro, L"KorvaneIT_Qiro.dll");
    BindQiroExports();
}

void DeviceLibraryBinder::LoadModule(DeviceLibrary library, const wchar_t* fileName) {
    modules_[Slot(library)] = loader_->Load(fileName);
}

#define VASTEMOR_BIND_ENTRY(lib, base, suffix, result, params)                                     \
    entries_.base##suffix = reinterpret_cast<decltype(entries_.base##suffix)>(                     \
        module ? loader_->FindExport(module, #base #suffix) : nullptr);

#define VASTEMOR_DEFINE_BIND(Group, library, list)          \
    void DeviceLibraryBinder::Bind##Group##Exports() {      \
        const HMODULE module = modules_[Slot(library)];     \
        list(VASTEMOR_BIND_ENTRY)                           \
    }

VASTEMOR_DEFINE_BIND(Wenk, DeviceLibrary::Wenk, VASTEMOR_WENK_ENTRIES)
VASTEMOR_DEFINE_BIND(Kelvo, DeviceLibrary::Kelvo, VASTEMOR_KELVO_ENTRIES)
VASTEMOR_DEFINE_BIND(KelvoDriver, DeviceLibrary::KelvoDriver, VASTEMOR_KELVO_DRIVER_ENTRIES)
VASTEMOR_DEFINE_BIND(Dolv, DeviceLibrary::Dolv, VASTEMOR_DOLV_ENTRIES)
VASTEMOR_DEFINE_BIND(Mesk, DeviceLibrary::Mesk, VASTEMOR_MESK_ENTRIES)
VASTEMOR_DEFINE_BIND(Qiro, DeviceLibrary::Qiro, VASTEMOR_QIRO_ENTRIES)

#undef VASTEMOR_DEFINE_BIND
#undef VASTEMOR_BIND_ENTRY
