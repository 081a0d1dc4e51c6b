#pragma once
// Whole-file reading and writing: configuration images, macro files and the
// default data files all pass through these.

#include <cstddef>
#include <cstdint>

// Reads the file into the buffer, never more than bufferSize bytes (the rest
// of a larger file is left unread) and reports the count read. The bytes of
// the buffer behind the count are zero. False when the file cannot be opened
// or read.
bool ReadBinaryFile(const wchar_t* path, uint8_t* buffer, size_t bufferSize, size_t* byteCount);

// Makes the bytes the whole file. They go to a temporary file in the same
// folder first, which replaces the target only once it is complete: a failed
// write leaves the old file as it was. False when the file was not written.
bool WriteBinaryFile(const wchar_t* path, const uint8_t* data, size_t byteCount);
