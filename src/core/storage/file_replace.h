#pragma once
// Writing a document, a preference file or Brumelle.ini over the file the
// user named, without losing it and without changing what protects it.

#include <string>

namespace brumelle {

// The file a write to `path` lands in: symbolic links are followed to the
// file they name, which need not exist yet. False when the links loop or
// one of them cannot be read.
bool ResolveWriteTarget(const std::string &path, std::string &target);

// Makes the file `path` resolves to hold exactly `bytes`.
// - A file the user may not write is refused (its own permissions decide,
//   not its folder's), and so is anything but a regular file.
// - Otherwise the bytes go to an unnamed temporary file in the target's
//   folder that takes the target's permission bits, owner and group, is
//   flushed, then renamed over the target; the folder is flushed after.
// - Where a rename cannot keep the file what it was (a second hard link, a
//   folder the user cannot write, an owner the user cannot give), the file
//   is written in place, its space reserved first, then flushed.
// False, with the file as it was, when it cannot be written; no temporary
// file is left behind, nor one left by a save that was killed earlier.
bool ReplaceFileWhole(const std::string &path, const std::string &bytes);

// What every failed write shows in the error box: "Impossible d'écrire dans"
// and the file's full name.
std::string CannotWriteMessage(const std::string &path);

} // namespace brumelle
