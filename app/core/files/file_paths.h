#pragma once
// Path helpers: folder creation for the macro folder and existence tests.

// The last occurrence of the character in the text, or null (also for a null text).
const wchar_t* FindLastChar(const wchar_t* text, wchar_t ch);

// Creates the folder with its missing parents (a path of at most 259
// characters with at least one backslash). True when the folder exists
// afterwards; a trailing backslash names the folder before it.
bool CreateDirectoryPath(const wchar_t* path);

// True when the path is an existing folder or could be created as one.
bool EnsureDirectory(const wchar_t* path);

// True when a file or folder of that name exists.
bool FileExists(const wchar_t* path);
