// The page operations the device workers run: the read and the commands.
#include "app/main/pages/kelvo/kelvo_family_page.h"

#include "app/main/pages/common/config_image_files.h"

bool KelvoFamilyPage::ConnectAndRead() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = Lock();
    // Macro numbers start at the same place on every configuration: a macro
    // cached from the memory read before would answer for another one.
    traits_.macroCache->clear();
    // A whole read that failed leaves the library's image as it was before
    // (at first all blank): the page is not shown connected on it, so that no
    // write-all sends it over what the controller keeps.
    if (traits_.open(binder.Entries()) != 0 || traits_.readDevice(binder.Entries()) != 0) {
        connected_ = 0;
        PostRefresh();
        return false;
    }
    // The getters answer from the image just read; their results do not
    // decide the read.
    for (int table = 0; table < 2; ++table) (binder.*traits_.readButtonTable)(table, buttonCount_);
    ReadFamilySettings();
    connected_ = 1;
    PostRefresh();
    return true;
}

bool KelvoFamilyPage::RunDeviceCommand(int command) {
    const DeviceLibraryBinder::Guard guard = Lock();
    switch (command) {
    case kKelvoWriteAll: return WriteWholeDevice();
    case kKelvoReset: return Import(traits_.resetFile) != ImportOutcome::NotWritten;
    case kKelvoExport: Export(); return true;
    case kKelvoImport: {
        const ImportOutcome outcome = Import(commandFiles_.Of(kKelvoImport));
        if (outcome == ImportOutcome::Refused) ShowBoxLater(services_, kImportFileRefused);
        return outcome != ImportOutcome::NotWritten;
    }
    default: return true;
    }
}

void KelvoFamilyPage::Export() {
    const DeviceEntries& entries = DeviceLibraryBinder::Instance().Entries();
    if (traits_.open(entries) != 0) return;
    const int size = static_cast<int>(traits_.imageSize);
    ExportImage(services_, commandFiles_.Of(kKelvoExport), traits_.imageSize,
                [this, &entries, size](uint8_t* image) { return traits_.copyImage(entries, image, size); });
}

KelvoFamilyPage::ImportOutcome KelvoFamilyPage::Import(const SkinUI::CUIString& path) {
    // A file the family does not take is not written, padded or cut, over
    // the controller; the library gets the file's own byte count.
    std::vector<uint8_t> image;
    size_t byteCount = 0;
    if (!ReadImageFile(path, traits_.smallestImport, traits_.imageSize, &image, &byteCount)) {
        return ImportOutcome::Refused;
    }
    const DeviceEntries& entries = DeviceLibraryBinder::Instance().Entries();
    if (traits_.open(entries) != 0) return ImportOutcome::NotWritten;
    const int result = traits_.writeImage(entries, image.data(), static_cast<int>(byteCount));
    WaitMilliseconds(100);
    if (result != 0) return ImportOutcome::NotWritten;
    ImageWritten(image.data(), byteCount);
    // A program that ends reads nothing more: its pages are about to go.
    if (AppRunning.load()) ConnectAndRead();
    return ImportOutcome::Written;
}
