#include "render/locale_separators.h"

namespace brumelle {

NumberSeparators SeparatorsOf(const QLocale &locale)
{
    NumberSeparators s;
    s.decimal = locale.decimalPoint().toStdString();
    s.group = locale.groupSeparator().toStdString();
    return s;
}

} // namespace brumelle
