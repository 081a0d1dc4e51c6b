#pragma once
// The modal loops running on the calling thread, the framework's and the
// system's dialogs alike: how deep they nest, and ending them all as
// cancelled for a window that closes while they run inside its handlers.

#include <windows.h>

namespace SkinUI {

// Counts one running modal loop of the calling thread for its lifetime.
class ModalLoopScope {
public:
    ModalLoopScope();
    ~ModalLoopScope();
    ModalLoopScope(const ModalLoopScope&) = delete;
    ModalLoopScope& operator=(const ModalLoopScope&) = delete;
};

// The modal loops running on the calling thread.
int ModalLoopDepth();

// Ends every modal loop of the calling thread as cancelled: the framework's
// destroy their window and return 0, the system's dialogs get IDCANCEL.
// While `closing` lives no modal loop starts. Once the outermost loop has
// returned (at once when none runs), `message` is posted to `closing`.
void EndModalLoops(HWND closing, UINT message);

// True while a window that ended the loops lives: a modal loop about to
// start, or still running, ends as cancelled.
bool ModalLoopsEnded();

}  // namespace SkinUI
