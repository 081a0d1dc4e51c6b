#pragma once
// Which image a keyboard key shows: the "changed" look when its function
// differs from its default.

struct KeyAssignmentRecord;

// After a refresh of the page; the Space key has images of its own.
const wchar_t* RefreshedKeyImage(const KeyAssignmentRecord& record);

// After the key-assignment dialog changed the key.
const wchar_t* EditedKeyImage(const KeyAssignmentRecord& record);
