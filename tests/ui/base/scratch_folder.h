#pragma once

#include <string>

// A fresh folder under the temporary folder, removed with its contents at
// the end of the test.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing backslash.
    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + name; }

    static bool WriteFile(const std::wstring& path, const std::string& bytes);
    static bool ReadFile(const std::wstring& path, std::string* bytes);

private:
    std::wstring m_path;
};
