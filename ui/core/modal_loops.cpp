#include "ui/core/modal_loops.h"

#include <cwchar>

namespace SkinUI {

namespace {

struct ThreadLoops {
    int depth = 0;
    HWND closing = nullptr;
    UINT message = 0;
    bool messagePending = false;
};

thread_local ThreadLoops loops;

void PostPendingMessage()
{
    if (!loops.messagePending)
        return;
    loops.messagePending = false;
    PostMessageW(loops.closing, loops.message, 0, 0);
}

BOOL CALLBACK CancelSystemDialog(HWND window, LPARAM)
{
    wchar_t name[8] = {};
    if (GetClassNameW(window, name, 8) > 0 && wcscmp(name, L"#32770") == 0)
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

}  // namespace

ModalLoopScope::ModalLoopScope()
{
    ++loops.depth;
}

ModalLoopScope::~ModalLoopScope()
{
    if (--loops.depth == 0 && ModalLoopsEnded())
        PostPendingMessage();
}

int ModalLoopDepth()
{
    return loops.depth;
}

void EndModalLoops(HWND closing, UINT message)
{
    loops.closing = closing;
    loops.message = message;
    loops.messagePending = true;
    if (loops.depth == 0) {
        PostPendingMessage();
        return;
    }
    EnumThreadWindows(GetCurrentThreadId(), &CancelSystemDialog, 0);
    // A message sent from elsewhere is handled inside a loop's wait, which
    // then goes on waiting: this wakes it to see that it ends.
    PostMessageW(closing, WM_NULL, 0, 0);
}

bool ModalLoopsEnded()
{
    if (loops.closing != nullptr && !IsWindow(loops.closing)) {
        loops.closing = nullptr;
        loops.messagePending = false;
    }
    return loops.closing != nullptr;
}

}  // namespace SkinUI
