#pragma once
// What an export to a file of the user's choice says when it fails.

// The box of an export whose file could not be written.
inline constexpr wchar_t kExportFileNotWritten[] = L"%{084}";
