#pragma once
// Writing a document, a preference file or Brumelle.ini over the file the
// user named, without losing it and without changing what protects it.

#include <functional>
#include <string>

#include "presentation/messages.h"

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
//   is written in place: its old text is first copied, flushed, to
//   "NAME.~PID~" beside it (in a folder the user cannot write, to the
//   folder "Brumelle" of $XDG_CACHE_HOME or ~/.cache); then the space of
//   the new text is made sure of without changing the old bytes, the new
//   text written over the old, cut to its length and flushed, and the copy
//   removed. A failure puts the old text back; a save killed half-way
//   leaves the copy.
// False, with the file as it was, when it cannot be written. No temporary
// file is left behind, and every one of the folder that a killed save left
// ("NAME.~PID" whose process is gone) is removed.
bool ReplaceFileWhole(const std::string &path, const std::string &bytes);

// The steps of a write in place at which a test makes the system fail.
enum class InPlaceStep {
    Reserve,  // reserving the new text's space
    Extend,   // writing past the old end, where reserving is not supported
    Write,    // the new text over the old one
    Truncate, // cutting the file to the new text's length
};
// Called before each step: 0 lets it run, an errno value makes it fail with
// that error. A test may end its process there, as a kill would.
using InPlaceFault = std::function<int(InPlaceStep)>;
bool ReplaceFileWhole(const std::string &path, const std::string &bytes, const InPlaceFault &fault);

// What every failed write shows in the error box: "Impossible d'écrire dans"
// and the file's full name.
std::string CannotWriteMessage(const std::string &path);

// A file made whole in memory (a note, an image) written as documents are:
// false, with CannotWriteMessage shown in the error box and the file as it
// was, when it cannot be; empty bytes (nothing could be drawn) too.
bool SaveFileWhole(const std::string &path, const std::string &bytes, Messages &messages);

} // namespace brumelle
