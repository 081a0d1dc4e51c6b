#include "ui/core/image_description.h"
#include "ui/core/renderer.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

namespace {

bool LoadDescribedImage(CWindowManagerUI* manager, ImageDrawInfoUI& info)
{
    if (info.parsed) return false;
    info.parsed = true;
    if (info.description.IsEmpty()) return false;

    ImageLoadRequestUI request;
    ParseImageDescription(info, request);
    info.imageName = request.name;
    const bool typed = request.resource && !request.type.IsEmpty();
    info.image = manager->GetImageEx(info.imageName, typed ? request.type.GetData() : nullptr,
                                     request.mask, request.adjust);
    if (!info.image) return false;
    if (info.source.left == 0 && info.source.top == 0 && info.source.right == 0 && info.source.bottom == 0)
        info.source = CRectUI(0, 0, info.image->width, info.image->height);
    return true;
}

}  // namespace

bool CRendererUI::DrawImageDescription(HDC hDC, CWindowManagerUI* manager, const RECT& rcItem,
                                       const RECT& rcPaint, ImageDrawInfoUI& info)
{
    if (!manager) return true;
    if (!info.image && !LoadDescribedImage(manager, info)) return false;

    ImageRecordUI& image = *info.image;
    if (info.source.right > image.width) info.source.right = image.width;
    if (info.source.bottom > image.height) info.source.bottom = image.height;
    if (!hDC) return true;

    RECT dest = rcItem;
    const CRectUI& offset = info.dest;
    if (offset.left != 0 || offset.top != 0 || offset.right != 0 || offset.bottom != 0) {
        dest.left = rcItem.left + offset.left;
        dest.top = rcItem.top + offset.top;
        dest.right = rcItem.left + offset.right;
        dest.bottom = rcItem.top + offset.bottom;
        if (dest.right > rcItem.right) dest.right = rcItem.right;
        if (dest.bottom > rcItem.bottom) dest.bottom = rcItem.bottom;
    }
    RECT common;
    if (IntersectRect(&common, &dest, &rcItem) && IntersectRect(&common, &dest, &rcPaint)) {
        DrawImage(hDC, image.bitmap, dest, rcPaint, info.source, info.corner, image.alpha, info.fade,
                  info.hole, info.xTiled, info.yTiled);
    }
    return true;
}

}  // namespace SkinUI
