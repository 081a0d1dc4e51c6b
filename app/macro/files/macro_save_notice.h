#pragma once
// What a macro window says of its saves: one box when they start failing,
// none again until a save has succeeded; a failed export is said each time.

namespace SkinUI {
class CWindowWnd;
}

class MacroSaveNotice {
public:
    // Takes the result of a save; the first failure of a run of failures
    // shows the box over the owner.
    void Report(bool saved, SkinUI::CWindowWnd* owner);

private:
    bool m_failureShown = false;
};

// Takes the result of an export of the macros to a file of the user's
// choice; a failure shows the export's box over the owner.
void ReportMacroExport(bool exported, SkinUI::CWindowWnd* owner);
