#pragma once

#include <string>

namespace SkinUI {
namespace test {

// A fresh folder under the temporary folder, removed with everything in it
// when the test is done. path() ends with a backslash.
class ScratchDir {
public:
    explicit ScratchDir(const wchar_t* name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::wstring& path() const { return m_path; }
    std::wstring Sub(const wchar_t* relative) const { return m_path + relative; }
    void MakeFolder(const wchar_t* relative) const;

private:
    std::wstring m_path;
};

}  // namespace test
}  // namespace SkinUI
