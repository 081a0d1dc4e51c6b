#pragma once

#include <map>
#include <string>
#include <vector>

namespace vastemor {
namespace test {

// The built res\Skin folder beside the test binaries, ending with a backslash.
std::wstring SkinFolder();

// Names (no folder) of the files of a skin folder that match a pattern,
// e.g. SkinFiles(L"XML", L"*.xml"); sorted.
std::vector<std::wstring> SkinFiles(const std::wstring& folder, const std::wstring& pattern);

// One element of a skin file: its tag, its attributes in order, and the
// tags of the elements it sits in (outermost first).
struct SkinElement {
    std::wstring tag;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    std::vector<std::wstring> ancestors;

    const std::wstring* Attribute(const wchar_t* name) const;
};

// Every element of a skin file (the root included), in document order;
// false when the file does not parse. Paths are relative to the framework's
// resource folder, which the caller sets to SkinFolder().
bool ReadSkinElements(const std::wstring& relativePath, std::vector<SkinElement>& elements);

// The texts of a language file by id; duplicate ids are listed in
// `duplicates`. False when the file does not parse.
bool ReadLanguageTexts(const std::wstring& relativePath, std::map<int, std::wstring>& texts,
                       std::vector<int>& duplicates);

// The ids of every "%{digits}" token in a text.
std::vector<int> LanguageTokens(const std::wstring& text);

}  // namespace test
}  // namespace vastemor
