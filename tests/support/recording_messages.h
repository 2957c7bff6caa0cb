#pragma once
#include <string>
#include <vector>

#include "presentation/messages.h"

namespace brumelle::test {

// Records every message in order, with its kind.
class RecordingMessages : public Messages {
public:
    struct Entry {
        std::string kind; // "information", "message", "erreur", "confirmation", "question"
        std::string text;
        bool operator==(const Entry &o) const { return kind == o.kind && text == o.text; }
    };
    std::vector<Entry> entries;
    bool answer = true; // what confirm() answers
    Answer askAnswer = Answer::Cancel; // what ask() answers

    void information(const std::string &t) override { entries.push_back({"information", t}); }
    void message(const std::string &t) override { entries.push_back({"message", t}); }
    void error(const std::string &t) override { entries.push_back({"erreur", t}); }
    bool confirm(const std::string &t) override
    {
        entries.push_back({"confirmation", t});
        return answer;
    }
    Answer ask(const std::string &t) override
    {
        entries.push_back({"question", t});
        return askAnswer;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> r;
        for (const auto &e : entries)
            r.push_back(e.text);
        return r;
    }
};

} // namespace brumelle::test
