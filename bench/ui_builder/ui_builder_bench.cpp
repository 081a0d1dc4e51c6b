// Times building a layout of a few thousand controls into a tree, with a
// window manager that has no window, and prints the figures.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/core/container.h"
#include "ui/core/control.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

namespace {

std::wstring MakeLayout(int rows, int* controls)
{
    std::wstring text =
        L"<Window size=\"1310,749\" caption=\"0,0,0,40\">"
        L"<Font id=\"0\" name=\"Arial\" size=\"12\" default=\"true\"/>"
        L"<Default name=\"Control\" value=\"height=&quot;24&quot; bkcolor=&quot;#FF202020&quot;\"/>"
        L"<MultiLanguage id=\"88\" value=\"Vastemor\"/><VerticalLayout name=\"root\">";
    *controls = 1;
    for (int i = 0; i < rows; ++i) {
        const std::wstring n = std::to_wstring(i);
        text += L"<HorizontalLayout height=\"30\" padding=\"4,2,4,2\" childpadding=\"3\">"
                L"<Control name=\"label" + n + L"\" text=\"Level " + n + L"\" width=\"80\"/>"
                L"<Control name=\"value" + n + L"\" text=\"%{088}\" tooltip=\"value\"/>"
                L"<VerticalLayout width=\"60\"><Control/><Control/></VerticalLayout>"
                L"</HorizontalLayout>";
        *controls += 6;
    }
    return text + L"</VerticalLayout></Window>";
}

int CountTree(SkinUI::CControlUI* control)
{
    int count = 1;
    auto* items = static_cast<SkinUI::IContainerUI*>(control->GetInterfaceByName(L"IContainer"));
    for (int i = 0; items != nullptr && i < items->GetCount(); ++i)
        count += CountTree(items->GetItemAt(i));
    return count;
}

}  // namespace

int main()
{
    int expected = 0;
    const std::wstring layout = MakeLayout(800, &expected);
    SkinUI::CWindowManagerUI manager;

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    const int rounds = 20;
    int built = 0;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i) {
        SkinUI::CLayoutBuilderUI builder;
        SkinUI::CControlUI* root = builder.Create(layout.c_str(), nullptr, nullptr, &manager);
        if (root == nullptr) {
            std::fprintf(stderr, "build failed: %ls\n", builder.GetLastErrorMessage());
            return 1;
        }
        built = CountTree(root);
        root->Delete();
    }
    QueryPerformanceCounter(&end);
    if (built != expected) {
        std::fprintf(stderr, "built %d controls, expected %d\n", built, expected);
        return 1;
    }
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    std::printf("ui_builder: %d-control layout (%u characters) built and freed in %.3f ms (%.0f controls/ms)\n",
                built, static_cast<unsigned>(layout.size()), seconds * 1000.0 / rounds,
                built * static_cast<double>(rounds) / (seconds * 1000.0));
    return 0;
}
