#pragma once
// Drives a modal dialog from inside its own message loop.

#include <functional>

class KeyEdit;

// Runs `trigger`, which opens a modal window; `script` runs once inside that
// window's message loop (a thread timer). Returns when the trigger returns.
void RunScriptedModal(std::function<void()> script, std::function<void()> trigger);

// The key-assignment dialog the keyboard hook serves: the open one.
KeyEdit* ServedKeyEdit();
