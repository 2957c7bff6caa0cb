#pragma once
#include <string>
#include <vector>

namespace brumelle {

// How the core talks to the user. The program shows message boxes; tests and
// the command-line tool record the texts.
class Messages {
public:
    virtual ~Messages() = default;
    // Information box with one OK button.
    virtual void information(const std::string &text) = 0;
    // Plain box without icon, titled with the application's title.
    virtual void message(const std::string &text) = 0;
    // The program's error box; the text is shown as ErrorBoxText(text).
    virtual void error(const std::string &text) = 0;
    // Yes/no question titled "Confirmation"; true for "Oui".
    virtual bool confirm(const std::string &text) = 0;
    // Question titled "Confirmation" with "Oui", "Non" and "Annuler"; a box
    // closed without an answer says "Annuler".
    enum class Answer { Yes, No, Cancel };
    virtual Answer ask(const std::string &text) = 0;
};

// Passes every message on to the user and keeps, while a calculation runs,
// the texts its run showed (information, plain and error boxes, as shown), so
// that the calculation note can repeat them. Questions are only passed on.
class KeptMessages : public Messages {
public:
    explicit KeptMessages(Messages &shown) : shown_(shown) {}

    // Keeps the texts in `kept`, emptied first, until the scope ends: one
    // calculation's run. Messages outside a run are passed on only.
    class [[nodiscard]] Run {
    public:
        Run(KeptMessages &messages, std::vector<std::string> &kept) : messages_(messages)
        {
            kept.clear();
            messages_.kept_ = &kept;
        }
        ~Run() { messages_.kept_ = nullptr; }
        Run(const Run &) = delete;
        Run &operator=(const Run &) = delete;

    private:
        KeptMessages &messages_;
    };
    Run StartRun(std::vector<std::string> &kept) { return Run(*this, kept); }

    void information(const std::string &text) override;
    void message(const std::string &text) override;
    void error(const std::string &text) override;
    bool confirm(const std::string &text) override { return shown_.confirm(text); }
    Answer ask(const std::string &text) override { return shown_.ask(text); }

private:
    void keep(const std::string &text);
    Messages &shown_;
    std::vector<std::string> *kept_ = nullptr;
};

// The error box adds a full stop when the last character sorts after ".".
std::string ErrorBoxText(const std::string &text);

} // namespace brumelle
