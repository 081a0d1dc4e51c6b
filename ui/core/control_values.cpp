#include "ui/core/control_values.h"

#include <cwchar>

#include "ui/core/image_description.h"

namespace SkinUI {

namespace {

// Moves past the character that ends a number, unless it is the terminator.
const wchar_t* StepOver(const wchar_t* end)
{
    return *end != L'\0' ? end + 1 : end;
}

}  // namespace

RECT ReadRect(const wchar_t* text)
{
    LONG v[4];
    ReadNumberList(text, v, 4);
    return RECT{v[0], v[1], v[2], v[3]};
}

SIZE ReadSize(const wchar_t* text)
{
    LONG v[2];
    ReadNumberList(text, v, 2);
    return SIZE{v[0], v[1]};
}

void ReadFractionList(const wchar_t* text, double* values, int count)
{
    const wchar_t* p = text != nullptr ? text : L"";
    for (int i = 0; i < count; ++i) {
        wchar_t* end = nullptr;
        values[i] = wcstod(p, &end);
        p = StepOver(end);
    }
}

DWORD ReadHexColor(const wchar_t* text)
{
    if (text == nullptr)
        return 0;
    if (*text == L'#')
        ++text;
    return static_cast<DWORD>(wcstoul(text, nullptr, 16));
}

void AddTextIfAbsent(CStringMapUI& table, const wchar_t* name, const wchar_t* value)
{
    if (name == nullptr || *name == L'\0' || value == nullptr || *value == L'\0')
        return;
    if (table.Find(name) != nullptr)
        return;
    CUIString* text = new CUIString(value);
    if (!table.Insert(name, text))
        delete text;
}

const wchar_t* FindText(CStringMapUI& table, const wchar_t* name)
{
    if (name == nullptr)
        return nullptr;
    const CUIString* text = static_cast<CUIString*>(table.Find(name));
    return text != nullptr ? text->GetData() : nullptr;
}

void DeleteTexts(CStringMapUI& table)
{
    table.ForEach([](const wchar_t*, void* text) { delete static_cast<CUIString*>(text); });
    table.RemoveAll();
}

}  // namespace SkinUI
