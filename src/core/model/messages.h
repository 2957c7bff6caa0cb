#pragma once
#include <string>

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
};

// The error box adds a full stop when the last character sorts after ".".
std::string ErrorBoxText(const std::string &text);

} // namespace brumelle
