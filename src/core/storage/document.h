#pragma once
#include "model/messages.h"
#include "program_state.h"
#include "storage/ini_file.h"

#include <functional>

namespace brumelle {

class Calculations;

constexpr const char *kNotADocument = "Le fichier n'est pas reconnu par le Brumelle";

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

} // namespace brumelle
