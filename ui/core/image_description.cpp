#include "ui/core/image_description.h"

#include <cwchar>

namespace SkinUI {

void ImageDrawInfoUI::Reset()
{
    description.Clear();
    imageName.Clear();
    parsed = false;
    image = nullptr;
    dest = CRectUI();
    source = CRectUI();
    corner = CRectUI();
    fade = 255;
    hole = false;
    xTiled = false;
    yTiled = false;
}

void ReadNumberList(LPCWSTR text, LONG* values, int count)
{
    for (int i = 0; i < count; ++i) values[i] = 0;
    LPCWSTR p = text;
    for (int i = 0; p && i < count; ++i) {
        wchar_t* end = nullptr;
        values[i] = wcstol(p, &end, 10);
        if (*end == L'\0') break;
        p = end + 1;
    }
}

namespace {

bool IsBlank(wchar_t ch) { return ch != L'\0' && ch <= L' '; }

LPCWSTR SkipBlanks(LPCWSTR p)
{
    while (IsBlank(*p)) ++p;
    return p;
}

void ReadRect(const CUIString& value, CRectUI& rc)
{
    LONG numbers[4];
    ReadNumberList(value, numbers, 4);
    rc = CRectUI(numbers[0], numbers[1], numbers[2], numbers[3]);
}

void ApplyPair(const CUIString& key, const CUIString& value, ImageDrawInfoUI& info,
               ImageLoadRequestUI& request)
{
    if (key == L"file") {
        request.name = value;
    } else if (key == L"res") {
        request.name = value;
        request.resource = true;
    } else if (key == L"restype") {
        request.type = value;
    } else if (key == L"color") {
        request.name = value;
        request.type = L"*COLOR*";
        request.resource = true;
    } else if (key == L"dest") {
        ReadRect(value, info.dest);
    } else if (key == L"source") {
        ReadRect(value, info.source);
    } else if (key == L"corner" || key == L"scale9") {
        ReadRect(value, info.corner);
    } else if (key == L"mask") {
        LPCWSTR digits = value.GetData();
        if (*digits == L'#') ++digits;
        request.mask = static_cast<DWORD>(wcstoul(digits, nullptr, 16));
    } else if (key == L"fade") {
        const long fade = wcstol(value, nullptr, 10);
        info.fade = static_cast<BYTE>(fade < 0 ? 0 : (fade > 255 ? 255 : fade));
    } else if (key == L"hole") {
        info.hole = value == L"true";
    } else if (key == L"xtiled") {
        info.xTiled = value == L"true";
    } else if (key == L"ytiled") {
        info.yTiled = value == L"true";
    } else if (key == L"hsl") {
        request.adjust = value == L"true";
    }
}

}  // namespace

void ParseImageDescription(ImageDrawInfoUI& info, ImageLoadRequestUI& request)
{
    request.name = info.description;
    LPCWSTR p = info.description.GetData();
    for (;;) {
        p = SkipBlanks(p);
        LPCWSTR keyStart = p;
        while (*p > L' ' && *p != L'=') ++p;
        const CUIString key(keyStart, static_cast<int>(p - keyStart));
        p = SkipBlanks(p);
        if (*p != L'=') break;
        p = SkipBlanks(p + 1);
        if (*p != L'\'') break;
        LPCWSTR valueStart = ++p;
        while (*p != L'\0' && *p != L'\'') ++p;
        if (*p != L'\'') break;
        const CUIString value(valueStart, static_cast<int>(p - valueStart));
        ++p;
        if (!value.IsEmpty()) ApplyPair(key, value, info, request);
        if (!IsBlank(*p)) break;
        ++p;
    }
}

}  // namespace SkinUI
