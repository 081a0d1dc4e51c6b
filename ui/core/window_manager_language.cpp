#include <climits>

#include "ui/core/control_values.h"
#include "ui/core/window_manager.h"
#include "ui/core/window_manager_shared.h"

namespace SkinUI {

namespace {

// Bounds the work of one call, each token replaced counting once: a text that
// contains its own token would otherwise grow without end. Real texts need
// far fewer.
constexpr int kMaxTokenReplacements = 256;

CUIString LanguageKey(int id)
{
    CUIString key;
    key.Format(L"%d", id);
    return key;
}

}  // namespace

void CWindowManagerUI::AddLanguageText(int id, const wchar_t* text)
{
    CStringMapUI& table = SharedManagerState().languageTexts;
    CUIString* value = new CUIString(text != nullptr ? text : L"");
    delete static_cast<CUIString*>(table.Set(LanguageKey(id), value));
}

const wchar_t* CWindowManagerUI::GetLanguageText(int id)
{
    return FindText(SharedManagerState().languageTexts, LanguageKey(id));
}

void CWindowManagerUI::RemoveAllLanguageTexts()
{
    DeleteTexts(SharedManagerState().languageTexts);
}

void CWindowManagerUI::ReplaceLanguageTokens(CUIString& text)
{
    int start = 0;
    int replacements = 0;
    while (replacements < kMaxTokenReplacements) {
        const int percent = text.FindChar(L'%', start);
        if (percent < 0)
            break;
        start = percent + 1;
        if (text.GetAt(percent + 1) != L'{')
            continue;
        int end = percent + 2;
        long long id = 0;
        bool tooLarge = false;
        for (wchar_t c = text.GetAt(end); c >= L'0' && c <= L'9'; c = text.GetAt(++end)) {
            id = id * 10 + (c - L'0');
            if (id > INT_MAX) {
                tooLarge = true;
                id = INT_MAX;
            }
        }
        if (text.GetAt(end) != L'}' || tooLarge)
            continue;
        const wchar_t* value = GetLanguageText(static_cast<int>(id));
        if (value == nullptr)
            continue;
        // Later occurrences of the same token are met by the scan in turn.
        text = text.Left(percent) + value + text.Mid(end + 1);
        ++replacements;
    }
}

}  // namespace SkinUI
