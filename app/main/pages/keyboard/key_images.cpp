#include "app/main/pages/keyboard/key_images.h"

#include "app/core/settings/settings_records.h"

namespace {

constexpr int kSpaceCode = 0x2C;

}  // namespace

const wchar_t* RefreshedKeyImage(const KeyAssignmentRecord& record) {
    if (record.currentCode == kSpaceCode) {
        return record.defaultCode == kSpaceCode ? L"Image\\key_normal_Spacebar.png" : L"Image\\key_change_Spacebar.png";
    }
    return record.currentCode == record.defaultCode ? L"Image\\key_normal.png" : L"Image\\key_change.png";
}

const wchar_t* EditedKeyImage(const KeyAssignmentRecord& record) {
    return record.defaultCode == record.currentCode ? L"key_normal.png" : L"key_change.png";
}
