#pragma once
// What the file commands tell the user, word for word.
#include <string>

namespace brumelle {

// A file that is not what the command opens (a document, a preference file).
constexpr const char *kNotADocument = "Le fichier n'est pas reconnu par le Brumelle";
// Asked before a document or a preference file is written over.
constexpr const char *kOverwriteQuestion = "Le fichier existe déjà, souhaitez vous l'écraser ?";
// Asked before the study in the windows is closed or replaced by another.
constexpr const char *kModifiedQuestion = "Le document a été modifié. Voulez-vous enregistrer les modifications ?";

// A document's weather file that is no longer there; the rest of the document opens.
inline std::string WeatherFileMissing(const std::string &path)
{
    return "Le fichier météo " + path + " est introuvable : le document est ouvert sans son climat.";
}

} // namespace brumelle
