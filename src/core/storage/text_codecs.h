#pragma once
#include <string>

namespace brumelle {

// The encodings of the files the program reads and writes: UTF-8, and
// Windows-1252 for the files of older programs.

// Well-formed UTF-8: no overlong form, surrogate or code point beyond Unicode.
bool IsValidUtf8(const std::string &s);

// Well-formed sequences as they are, every other byte as U+FFFD.
std::string SanitizeUtf8(const std::string &s);

// Every byte is a character in Windows-1252; the five bytes it leaves
// unassigned read as the C1 controls of the same number, as Windows does, so
// that they survive a round trip.
std::string Cp1252ToUtf8(const std::string &s);

// Texts read from a file are well-formed UTF-8; a written value is the
// caller's and may not be. A character Windows-1252 lacks, and a byte that
// starts no well-formed sequence, become "?".
std::string Utf8ToCp1252(const std::string &s);

} // namespace brumelle
