#pragma once
// What the file commands tell the user, word for word.

namespace brumelle {

// A file that is not what the command opens (a document, a preference file).
constexpr const char *kNotADocument = "Le fichier n'est pas reconnu par le Brumelle";
// Asked before a document or a preference file is written over.
constexpr const char *kOverwriteQuestion = "Le fichier existe déjà, souhaitez vous l'écraser ?";
// Asked before the study in the windows is closed or replaced by another.
constexpr const char *kModifiedQuestion = "Le document a été modifié. Voulez-vous enregistrer les modifications ?";

} // namespace brumelle
