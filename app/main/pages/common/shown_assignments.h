#pragma once
// The assignments a page's buttons show, kept on the user-interface thread: a
// language switch relabels the buttons from them without the library lock,
// which a transfer may hold.

#include "ui/core/window_manager.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

class ShownAssignments {
public:
    // A button's bytes (a Kelvo button uses the first three).
    using Bytes = std::array<uint8_t, 4>;
    using TextOf = std::function<SkinUI::CUIString(const Bytes&)>;

    // The button shows the assignment's text.
    void Show(SkinUI::CControlUI* button, const Bytes& bytes, const TextOf& text);
    // Every button shown so far gets its assignment's text again.
    void Relabel(SkinUI::CWindowManagerUI* manager, const TextOf& text) const;

private:
    std::map<std::wstring, Bytes> shown_;
};
