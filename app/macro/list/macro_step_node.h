#pragma once

#include <memory>
#include <vector>

#include "ui/core/ui_string.h"

namespace SkinUI {
class CListLabelElementUI;
}

// One step of a macro list's tree. A node owns its children (destroying it
// destroys its subtree); its row belongs to the list.
struct MacroStepNode {
    std::vector<std::unique_ptr<MacroStepNode>> children;
    MacroStepNode* parent = nullptr;
    int level = -1;          // -1 for the root, the parent's level + 1 otherwise
    bool expanded = true;    // level 0 and the root start expanded, deeper nodes collapsed
    int type = 0;            // the caller's step type
    int value = 0;           // the caller's step value
    SkinUI::CUIString text;  // the caller's text, without indentation
    SkinUI::CListLabelElementUI* row = nullptr;  // none for the root

    // The node itself when it has no children, else its last child's last descendant.
    MacroStepNode* LastDescendant();
    // Takes the child at `index` of the children (at the end when past it).
    void InsertChild(std::unique_ptr<MacroStepNode> child, size_t index);
    void AppendChild(std::unique_ptr<MacroStepNode> child);
    // Frees the first child equal to `child`; false when it is none of them.
    bool RemoveChild(const MacroStepNode* child);
    // Whether `node` is this node or lies below it (compares addresses only).
    bool Holds(const MacroStepNode* node) const;
};

// The text a row shows for a node: "<x 6>", one "<x 24>" per level, the text.
SkinUI::CUIString MacroStepRowText(const MacroStepNode& node);
