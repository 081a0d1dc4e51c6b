#include "tests/program/faults/faults_support.h"

#include "devices/nolx/image_layout.h"
#include "ui/controls/option.h"

#include <algorithm>
#include <cstdlib>

namespace program_test {

namespace {

// The folder of the host path in the variable; empty without one.
std::wstring HostFolderOf(const wchar_t* variable) {
    const wchar_t* host = _wgetenv(variable);
    if (host == nullptr || *host != L'/') return L"";
    // The host's root is drive Z.
    std::wstring folder = std::wstring(L"Z:") + host;
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    return folder;
}

}  // namespace

std::wstring UnwritableFolder() { return HostFolderOf(L"VASTEMOR_UNWRITABLE_FOLDER"); }

std::wstring TemporaryFolderOfUnwritableMacros() { return HostFolderOf(L"VASTEMOR_UNWRITABLE_MACRO_TEMP"); }

bool RestartWithTemporaryFolder(ProgramDriver& program, const std::wstring& folder) {
    if (folder.empty()) return false;
    program.Close();
    return SetEnvironmentVariableW(L"TMP", folder.c_str()) && SetEnvironmentVariableW(L"TEMP", folder.c_str()) &&
           program.Start();
}

bool IsEnabled(const ProgramDriver& program, const std::wstring& name) {
    SkinUI::CControlUI* control = program.Window().Find(name.c_str());
    return control != nullptr && control->IsEnabled();
}

bool IsSelected(const ProgramDriver& program, const std::wstring& name) {
    auto* option = program.Window().FindAs<SkinUI::COptionUI>(name.c_str());
    return option != nullptr && option->IsSelected();
}

int ReportRateOption(const std::vector<uint8_t>& image) {
    return ((image.at(nolx::kReportRateByte) >> 4) & 3) + 1;
}

std::wstring ReportRateName(int option, const wchar_t* suffix) {
    return L"result_report_rate" + std::to_wstring(option) + suffix;
}

int ChooseOtherReportRate(const ProgramDriver& program, const char* family, const wchar_t* suffix) {
    const int option = ReportRateOption(program.ControllerMemory(family)) % 4 + 1;
    const std::wstring tab = std::wstring(L"advanced_Settings") + suffix;
    const bool chosen = program.Window().Click(tab.c_str()) && program.WaitIdle() &&
                        program.Window().Click(ReportRateName(option, suffix).c_str(), 0.05) && program.WaitIdle();
    return chosen && ReportRateOption(program.ControllerMemory(family)) == option ? option : 0;
}

bool UseFile(const ProgramDriver& program, const wchar_t* button, const std::wstring& path) {
    ModalScript script({[&] { return AnswerFileDialog(path); }});
    return program.Window().Click(button) && script.Wait() && program.WaitIdle();
}

bool ChooseFromMenu(const UiWindow& window, const wchar_t* control, const wchar_t* item) {
    return window.RightClick(control) && PumpUntil([&] { return UiWindow::OfClass(L"MenuWnd").Click(item); }, 2000);
}

std::vector<std::string> TraceLinesFrom(const ProgramDriver& program, size_t from, const std::string& prefix) {
    const std::vector<std::string> trace = program.TraceLines();
    std::vector<std::string> lines;
    for (size_t i = from; i < trace.size(); ++i) {
        if (trace[i].rfind(prefix, 0) == 0) lines.push_back(trace[i]);
    }
    return lines;
}

}  // namespace program_test
