#include "ui/controls/gdiplus_session.h"

#include "ui/controls/gdiplus_compat.h"

namespace SkinUI {

namespace {

int g_sessions = 0;
ULONG_PTR g_token = 0;
bool g_started = false;

}  // namespace

CGdiplusSessionUI::CGdiplusSessionUI()
{
    if (g_sessions++ > 0)
        return;
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, background thread kept
    g_started = Gdiplus::GdiplusStartup(&g_token, &input, nullptr) == Gdiplus::Ok;
}

CGdiplusSessionUI::~CGdiplusSessionUI()
{
    if (--g_sessions > 0)
        return;
    if (g_started)
        Gdiplus::GdiplusShutdown(g_token);
    g_started = false;
    g_token = 0;
}

bool CGdiplusSessionUI::IsStarted() const
{
    return g_started;
}

int CGdiplusSessionUI::GetSessionCount()
{
    return g_sessions;
}

}  // namespace SkinUI
