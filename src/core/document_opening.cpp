#include "document_opening.h"

#include "calculations.h"
#include "program_state.h"
#include "storage/document.h"

namespace brumelle {

void WriteDocument(IniFile &file, const ProgramState &state)
{
    WriteDocument(file, state.settings.Patm, state.evolutions, state.ahu, state.flags);
}

DocumentSaving SaveDocument(const std::string &path, const ProgramState &state, Messages &messages,
                            Overwrite overwrite)
{
    if (overwrite == Overwrite::Ask) {
        IniFile existing;
        existing.LoadFromFile(path);
        if (IsDocument(existing) && !messages.confirm(kOverwriteQuestion))
            return DocumentSaving::Declined;
    }
    return UpdateIniFile(path, [&](IniFile &f) { WriteDocument(f, state); }, messages) ? DocumentSaving::Saved
                                                                                      : DocumentSaving::Failed;
}

DocumentOpening OpenDocument(const IniFile &file, ProgramState &state, Calculations &calculations,
                             Messages &messages, const std::function<void()> &repaintMainWindow)
{
    if (!IsDocument(file)) {
        messages.message(kNotADocument);
        return DocumentOpening::NotRecognised;
    }

    // The pressure box takes the text even when it is not a whole number.
    state.pressure.text = DocumentPressureText(file);
    if (!state.pressure.ReadInto(state.settings.Patm, messages))
        return DocumentOpening::Stopped;

    // The boxes' handlers only store their flags while this is off; one
    // repaint at the end shows every ticked evolution.
    {
        const RepaintSuspension quiet(state);
        ReadDocumentInputs(file, state.evolutions, state.ahu, state.flags);
        calculations.RerunAfterOpening();
    }
    if (repaintMainWindow)
        repaintMainWindow();
    return DocumentOpening::Opened;
}

} // namespace brumelle
