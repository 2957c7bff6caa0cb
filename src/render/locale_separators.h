#pragma once
#include <QLocale>

#include "presentation/number_format.h"

namespace brumelle {

// The decimal and group separators of a Qt locale.
NumberSeparators SeparatorsOf(const QLocale &locale);

} // namespace brumelle
