#pragma once
// Reading a whole file the user named, within a size the caller sets.

#include <cstddef>
#include <string>

namespace brumelle {

// What came of a bounded read.
enum class FileReadStatus {
    Read,       // the bytes are the file's, whole
    Missing,    // no file by that name
    NotRegular, // a folder, a pipe, a device: nothing to read whole
    TooLarge,   // more than the limit (when opened, or grown while read)
    Unreadable, // there, but the user may not read it or the read failed
};

struct BoundedFile {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes; // empty unless status is Read
};

// Reads the regular file at `path` whole when it holds at most `maxBytes`
// bytes. It never waits on a pipe or a device: those are refused before a
// byte is read.
BoundedFile ReadBoundedFile(const std::string &path, size_t maxBytes);

} // namespace brumelle
