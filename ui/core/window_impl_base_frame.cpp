#include "ui/core/window_impl_base_frame.h"

#include <cwchar>

namespace SkinUI {

UINT ClassifyFramePoint(POINT point, const RECT& client, const RECT& sizeBox, const RECT& caption,
                        bool maximized)
{
    if (!maximized) {
        const bool atLeft = point.x < client.left + sizeBox.left;
        const bool atRight = point.x > client.right - sizeBox.right;
        if (point.y < client.top + sizeBox.top)
            return atLeft ? HTTOPLEFT : atRight ? HTTOPRIGHT : HTTOP;
        if (point.y > client.bottom - sizeBox.bottom)
            return atLeft ? HTBOTTOMLEFT : atRight ? HTBOTTOMRIGHT : HTBOTTOM;
        if (atLeft)
            return HTLEFT;
        if (atRight)
            return HTRIGHT;
    }
    if (point.x >= client.left + caption.left && point.x < client.right - caption.right &&
        point.y >= caption.top && point.y < caption.bottom)
        return HTCAPTION;
    return HTCLIENT;
}

bool TakesCaptionClicks(const wchar_t* className)
{
    if (className == nullptr)
        return false;
    return _wcsicmp(className, L"Button") == 0 || _wcsicmp(className, L"Option") == 0 ||
           _wcsicmp(className, L"Text") == 0;
}

void FillMinMaxInfo(MINMAXINFO& info, const RECT& monitor, const RECT& workArea, SIZE minimumSize)
{
    info.ptMaxPosition.x = workArea.left - monitor.left;
    info.ptMaxPosition.y = workArea.top - monitor.top;
    info.ptMaxTrackSize.x = workArea.right - workArea.left;
    info.ptMaxTrackSize.y = workArea.bottom - workArea.top;
    info.ptMinTrackSize.x = minimumSize.cx;
    info.ptMinTrackSize.y = minimumSize.cy;
}

RECT MaximizedClientRect(const RECT& proposed, const RECT& workArea)
{
    return {proposed.left, proposed.top, proposed.left + (workArea.right - workArea.left),
            proposed.top + (workArea.bottom - workArea.top)};
}

}  // namespace SkinUI
