#pragma once

#include <windows.h>

#include "ui/core/geometry.h"
#include "ui/core/image_record.h"
#include "ui/core/ui_string.h"

namespace SkinUI {

class CWindowManagerUI;
class CControlUI;

// The parsed form of one image description ("file='a.png' corner='4,4,4,4'"),
// held by a control for each of its image attributes.
struct ImageDrawInfoUI {
    ImageDrawInfoUI() { Reset(); }
    // Empties both texts and the parsed state; fade back to opaque.
    void Reset();

    CUIString description;  // the attribute value as written
    CUIString imageName;    // the image the description resolved to
    bool parsed;            // set at the first attempt to load; a failure is not retried
    ImageRecordUI* image;   // the manager's cached image, not owned
    CRectUI dest;           // offsets inside the item rectangle; all 0 = whole item
    CRectUI source;         // part of the image; all 0 = whole image
    CRectUI corner;         // nine-grid border widths
    BYTE fade;              // 255 = opaque
    bool hole;
    bool xTiled;
    bool yTiled;
};

// Static drawing operations over GDI. Colours are ARGB (alpha in the top byte);
// where GDI takes a COLORREF the alpha is dropped.
class CRendererUI {
public:
    // Image loading. The name is a text or an integer id (MAKEINTRESOURCE);
    // type "*COLOR*" makes a 1 x 1 image of the colour written in the name,
    // another type a program resource, no type a skin file or archive entry;
    // a plain path is the last resort. The caller owns the result.
    static ImageRecordUI* LoadImage(LPCWSTR name, LPCWSTR type, DWORD mask);
    static void FreeImage(ImageRecordUI* image, bool deleteRecord = true);

    // Nine-grid drawing of part of a bitmap; only pieces meeting rcPaint are drawn.
    static void DrawImage(HDC hDC, HBITMAP bitmap, const RECT& rcDest, const RECT& rcPaint,
                          const RECT& rcSource, const RECT& rcCorners, bool alphaChannel,
                          BYTE fade = 255, bool hole = false, bool xTiled = false, bool yTiled = false);
    // Loads the description's image on first use and, with a DC, draws it.
    // Without a manager nothing happens and the answer is true.
    static bool DrawImageDescription(HDC hDC, CWindowManagerUI* manager, const RECT& rcItem,
                                     const RECT& rcPaint, ImageDrawInfoUI& info);

    static void FillColor(HDC hDC, const RECT& rc, DWORD color);
    static void DrawGradient(HDC hDC, const RECT& rc, DWORD color1, DWORD color2, bool vertical,
                             int steps);
    static void DrawLine(HDC hDC, const RECT& rc, int size, DWORD color, int style = PS_SOLID);
    static void DrawRect(HDC hDC, const RECT& rc, int size, DWORD color, int style = PS_SOLID);
    static void DrawRoundRect(HDC hDC, const RECT& rc, int size, int width, int height, DWORD color,
                              int style = PS_SOLID);

    // DrawTextW with the manager's font of that id; rc is updated by DT_CALCRECT.
    static void DrawPlainText(HDC hDC, CWindowManagerUI* manager, RECT& rc, LPCWSTR text,
                              DWORD color, int font, UINT format);
    static CSizeUI MeasureText(HDC hDC, CWindowManagerUI* manager, LPCWSTR text, int font);

    // Text with inline markup ("<b>", "{c #FF0000}", "<a id>"...). Links drawn are
    // reported in links/linkTexts up to the count given in linkCount, which
    // receives the number found. DT_CALCRECT only measures, updating rc.
    static void DrawMarkupText(HDC hDC, CWindowManagerUI* manager, RECT& rc, LPCWSTR text,
                               DWORD color, RECT* links, CUIString* linkTexts, int& linkCount,
                               int font, UINT format);

    // A 32-bit bottom-up DIB section; bits receives its pixels.
    static HBITMAP CreateArgbBitmap(HDC hDC, int width, int height, LPBYTE* bits);
    // A copy of part of the window's image (painted up to the stop control),
    // optionally with a colour laid over it. The caller owns the bitmap.
    static HBITMAP RenderToBitmap(CWindowManagerUI* manager, const RECT& rc, CControlUI* stopControl,
                                  DWORD overlayColor);

    static DWORD AdjustColorHSL(DWORD color, short hue, short saturation, short lightness);
    static void AdjustImageHSL(bool useAdjustment, ImageRecordUI* image, short hue, short saturation,
                               short lightness);
};

}  // namespace SkinUI
