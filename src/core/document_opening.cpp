#include "document_opening.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "calculations.h"
#include "program_state.h"
#include "storage/document.h"
#include "storage/weather_file.h"

namespace brumelle {

void WriteDocument(IniFile &file, const ProgramState &state)
{
    WriteDocument(file, state.settings.Patm, state.evolutions, state.ahu, state.flags, state.climate);
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

namespace {

// The document's climate and zones replace the study's; a weather file that is gone, or
// is no longer one, is said and the rest of the document opens.
void OpenDocumentClimate(const IniFile &file, ProgramState &state, Messages &messages)
{
    state.climate.Close();
    DocumentZones zones = ReadDocumentZones(file);
    state.climate.SetZones(std::move(zones.user), zones.comfort, state.settings.Patm);
    const std::optional<DocumentClimate> named = ReadDocumentClimate(file);
    if (!named)
        return;
    std::error_code ec;
    if (std::filesystem::status(named->path, ec).type() == std::filesystem::file_type::not_found) {
        messages.message(WeatherFileMissing(named->path));
        return;
    }
    std::optional<WeatherYear> year = LoadWeatherYear(named->path, state.settings.Patm, messages);
    if (!year)
        return;
    state.climate.filter = named->filter;
    state.climate.shown = named->shown;
    state.climate.Take(named->path, std::move(*year));
}

} // namespace

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
        OpenDocumentClimate(file, state, messages);
        calculations.RerunAfterOpening();
    }
    if (repaintMainWindow)
        repaintMainWindow();
    return DocumentOpening::Opened;
}

} // namespace brumelle
