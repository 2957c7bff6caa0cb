#pragma once
// The document commands as the program runs them over its whole state:
// opening one puts its inputs back and re-runs every calculation; saving one
// asks before a document is written over.
#include <functional>
#include <string>

#include "presentation/messages.h"
#include "storage/file_messages.h"
#include "storage/ini_file.h"

namespace brumelle {

class Calculations;
struct ProgramState;

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

// Writes the study's document keys into `file` (storage/document.h).
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
