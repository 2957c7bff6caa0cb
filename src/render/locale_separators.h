#pragma once
#include "model/number_format.h"

#include <QLocale>

namespace brumelle {

// The decimal and group separators of a Qt locale.
NumberSeparators SeparatorsOf(const QLocale &locale);

} // namespace brumelle
