#include "presentation/messages.h"

namespace brumelle {

void KeptMessages::keep(const std::string &text)
{
    if (kept_)
        kept_->push_back(text);
}

void KeptMessages::information(const std::string &text)
{
    keep(text);
    shown_.information(text);
}

void KeptMessages::message(const std::string &text)
{
    keep(text);
    shown_.message(text);
}

void KeptMessages::error(const std::string &text)
{
    keep(ErrorBoxText(text)); // as the box shows it
    shown_.error(text);
}

} // namespace brumelle
