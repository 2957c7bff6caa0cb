#pragma once
#include <functional>

#include "presentation/messages.h"
#include "program_state.h"
#include "storage/ini_file.h"

namespace brumelle {

class Calculations;

constexpr const char *kNotADocument = "Le fichier n'est pas reconnu par le Brumelle";
constexpr const char *kOverwriteQuestion = "Le fichier existe déjà, souhaitez vous l'écraser ?";
// Asked before the study in the windows is closed or replaced by another.
constexpr const char *kModifiedQuestion = "Le document a été modifié. Voulez-vous enregistrer les modifications ?";

// How far opening a document went.
enum class DocumentOpening {
    NotRecognised, // "bon_fichier" false: the message shown, nothing changed
    Stopped,       // the pressure was not a whole number: error shown, pressure text set, nothing else
    Opened,        // every input restored, every calculation run, chart repainted
};

// Opens a document read into `file` as the "Ouvrir..." command does after its
// dialog: restores the pressure, the inputs of the evolutions window and of
// the sizing wizard and the "dessiner" flags, re-runs every calculation, then
// repaints the main window once. The caller sets the main window's caption
// unless NotRecognised.
DocumentOpening OpenDocument(const IniFile &file, ProgramState &state, Calculations &calculations,
                             Messages &messages, const std::function<void()> &repaintMainWindow);

// Writes "General" ("bon_fichier" = 1, "P" = the pressure in use), then every
// input of the evolutions window and of the sizing wizard, texts as shown.
void WriteDocument(IniFile &file, const ProgramState &state);

enum class DocumentSaving {
    Declined, // the file is a document and the user answered "Non": nothing written
    Failed,   // the file could not be written: the error shown, the file as it was
    Saved,
};

// The "Enregistrer sous..." command after its dialog: asks before writing
// over a document (unless the file is the study's own, which "Enregistrer"
// writes over), then writes the document's keys into the file, keeping its
// other lines, and replaces the file at once.
enum class Overwrite { Ask, OwnFile };
DocumentSaving SaveDocument(const std::string &path, const ProgramState &state, Messages &messages,
                            Overwrite overwrite = Overwrite::Ask);

} // namespace brumelle
