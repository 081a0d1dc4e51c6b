#include "app/main/pages/common/command_files.h"

void CommandFiles::Set(int command, const wchar_t* path) {
    files_[command] = path;
}

SkinUI::CUIString CommandFiles::Of(int command) const {
    const auto found = files_.find(command);
    return found != files_.end() ? found->second : SkinUI::CUIString();
}
