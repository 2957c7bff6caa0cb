#pragma once
#include "presentation/messages.h"

class QWidget;

namespace brumelle {

// Message boxes titled with the application's title ("Confirmation" for questions).
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void information(const std::string &text) override;
    void message(const std::string &text) override;
    void error(const std::string &text) override;
    bool confirm(const std::string &text) override;
    Answer ask(const std::string &text) override;

private:
    QWidget *parent_;
};

} // namespace brumelle
