#pragma once
// The bound of a close: how long the main window, once gone, waits for the
// library call under way before it ends the process under that call.

#include <windows.h>

// Outlasts the slowest whole-image read or write of a controller whose
// transfers take 20 ms each and that answers on its second poll (about 24 s,
// 35 s where each of its short pauses lasts a system timer tick longer).
constexpr DWORD kCloseWaitMs = 60000;

// The exit status of a process ended under a call that outlasted the wait.
constexpr UINT kUnfinishedCloseExitCode = 3;
