#include "app/macro/list/macro_step_node.h"

#include <algorithm>

MacroStepNode* MacroStepNode::LastDescendant()
{
    MacroStepNode* node = this;
    while (!node->children.empty())
        node = node->children.back().get();
    return node;
}

void MacroStepNode::InsertChild(std::unique_ptr<MacroStepNode> child, size_t index)
{
    child->parent = this;
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(std::min(index, children.size())),
                    std::move(child));
}

void MacroStepNode::AppendChild(std::unique_ptr<MacroStepNode> child)
{
    InsertChild(std::move(child), children.size());
}

bool MacroStepNode::RemoveChild(const MacroStepNode* child)
{
    const auto found = std::find_if(children.begin(), children.end(),
                                    [child](const std::unique_ptr<MacroStepNode>& entry) { return entry.get() == child; });
    if (found == children.end())
        return false;
    children.erase(found);
    return true;
}

bool MacroStepNode::Holds(const MacroStepNode* node) const
{
    if (node == this)
        return true;
    for (const auto& child : children) {
        if (child->Holds(node))
            return true;
    }
    return false;
}

SkinUI::CUIString MacroStepRowText(const MacroStepNode& node)
{
    SkinUI::CUIString text(L"<x 6>");
    for (int level = 0; level < node.level; ++level)
        text += L"<x 24>";
    text += node.text;
    return text;
}
