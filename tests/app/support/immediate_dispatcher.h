#pragma once
// A dispatcher for tests: work handed to the user-interface thread runs at
// once on the calling thread.

#include "app/windows/ui_dispatcher.h"

#include <functional>

class ImmediateDispatcher : public IUiDispatcher {
public:
    void Post(std::function<void()> work) override { work(); }
};
