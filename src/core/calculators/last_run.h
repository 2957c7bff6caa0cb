#pragma once
// What a calculation's last run worked from and how it ended, kept with its
// results so that nothing shows results beside inputs they were not computed
// from.
#include <string>
#include <utility>
#include <vector>

#include "presentation/messages.h"

namespace brumelle {

// Said of a calculation whose boxes no longer hold what its results were
// computed from: in the note, and as the tooltip of its greyed grid.
constexpr const char *kInputsChanged = "Les valeurs saisies ont changé depuis ce calcul";

// A box's caption in its window and its text as shown; a choice of radio
// buttons gives its group's caption (none on the steam tab) and the checked
// button's.
struct CaptionedText {
    std::string caption;
    std::string text;
    bool operator==(const CaptionedText &o) const { return caption == o.caption && text == o.text; }
    bool operator!=(const CaptionedText &o) const { return !(*this == o); }
};

struct LastRun {
    enum class Outcome {
        NotRun,    // never run, or set aside ("Nouveau")
        Completed, // its grid and boxes hold what it computed
        Stopped,   // a check or a fault stopped it: its message, no result
    };
    Outcome outcome = Outcome::NotRun;
    std::vector<CaptionedText> inputs;  // the inputs it ran from, as they were
    std::vector<std::string> messages;  // what it showed, in order, as shown
};

// One run of a calculation: its inputs and messages go into its record, and
// it counts as stopped until it says it completed. A run abandoned before it
// computed anything (a pressure box that cannot be read, which leaves the old
// results on screen) puts the record back as it was, so the record still
// describes those results.
class [[nodiscard]] RecordedRun {
public:
    RecordedRun(KeptMessages &messages, LastRun &run, std::vector<CaptionedText> inputs)
        : run_(run), previous_(run), keep_(messages.StartRun(run.messages))
    {
        run_.inputs = std::move(inputs);
        run_.outcome = LastRun::Outcome::Stopped;
    }
    ~RecordedRun()
    {
        if (abandoned_)
            run_ = previous_;
    }
    RecordedRun(const RecordedRun &) = delete;
    RecordedRun &operator=(const RecordedRun &) = delete;

    void Completed() { run_.outcome = LastRun::Outcome::Completed; }
    void Abandoned() { abandoned_ = true; }

private:
    LastRun &run_;
    const LastRun previous_;
    KeptMessages::Run keep_;
    bool abandoned_ = false;
};

} // namespace brumelle
