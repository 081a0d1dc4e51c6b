#include "ui/core/render_api.h"

namespace SkinUI {

namespace {

template <typename Fn>
Fn Resolve(HMODULE module, const char* name)
{
    if (!module) return nullptr;
    // Through the generic function type, which converts to any other.
    using Generic = void (*)();
    return reinterpret_cast<Fn>(reinterpret_cast<Generic>(GetProcAddress(module, name)));
}

RenderApiUI ResolveAll()
{
    RenderApiUI api;
    HMODULE msimg = LoadLibraryW(L"msimg32.dll");
    api.alphaBlend = Resolve<RenderApiUI::AlphaBlendFn>(msimg, "AlphaBlend");
    api.gradientFill = Resolve<RenderApiUI::GradientFillFn>(msimg, "GradientFill");
    HMODULE user = GetModuleHandleW(L"User32.dll");
    api.updateLayeredWindow = Resolve<RenderApiUI::UpdateLayeredWindowFn>(user, "UpdateLayeredWindow");
    api.setLayeredWindowAttributes =
        Resolve<RenderApiUI::SetLayeredWindowAttributesFn>(user, "SetLayeredWindowAttributes");
    return api;
}

}  // namespace

RenderApiUI& RenderApiUI::Get()
{
    static RenderApiUI api = ResolveAll();
    return api;
}

}  // namespace SkinUI
