#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/core/container.h"
#include "ui/core/layout_builder.h"

namespace SkinUI {
namespace test {

struct ControlDeleter {
    void operator()(CControlUI* control) const { control->Delete(); }
};
typedef std::unique_ptr<CControlUI, ControlDeleter> ControlPtr;

inline IContainerUI* Items(CControlUI* control)
{
    return static_cast<IContainerUI*>(control->GetInterfaceByName(L"IContainer"));
}

inline CControlUI* ItemAt(CControlUI* parent, int index)
{
    return Items(parent)->GetItemAt(index);
}

// Live instances of the controls below: a test sees what a build left behind.
inline int& LiveTestControls()
{
    static int live = 0;
    return live;
}

template <class Base>
class Counted : public Base {
public:
    Counted() { ++LiveTestControls(); }

protected:
    ~Counted() override { --LiveTestControls(); }
};

typedef Counted<CControlUI> CountedLeaf;
typedef Counted<CContainerUI> CountedBox;

// Tree classes as the builder sees them: answering their interface names and
// filled through their container part.
class FakeTreeNode : public CountedBox {
public:
    void* GetInterfaceByName(const wchar_t* name) override
    {
        return wcscmp(name, L"TreeNode") == 0 ? this : CountedBox::GetInterfaceByName(name);
    }
};

class FakeTreeView : public CountedBox {
public:
    void* GetInterfaceByName(const wchar_t* name) override
    {
        return wcscmp(name, L"TreeView") == 0 ? this : CountedBox::GetInterfaceByName(name);
    }
    bool AddItem(CControlUI* control) override
    {
        childrenWhenAdded.push_back(Items(control)->GetCount());
        return !refuse && CountedBox::AddItem(control);
    }
    std::vector<int> childrenWhenAdded;
    bool refuse = false;
};

// Makes the test's controls by tag and records every tag it is asked for.
class TagCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const wchar_t* tag) override
    {
        asked.push_back(tag);
        auto maker = makers.find(tag);
        return maker != makers.end() ? maker->second() : nullptr;
    }

    static TagCallback WithTestTags()
    {
        TagCallback callback;
        callback.makers[L"CountedLeaf"] = [] { return new CountedLeaf; };
        callback.makers[L"CountedBox"] = [] { return new CountedBox; };
        callback.makers[L"TreeView"] = [] { return new FakeTreeView; };
        callback.makers[L"TreeNode"] = [] { return new FakeTreeNode; };
        return callback;
    }

    std::map<std::wstring, std::function<CControlUI*()>> makers;
    std::vector<std::wstring> asked;
};

}  // namespace test
}  // namespace SkinUI
