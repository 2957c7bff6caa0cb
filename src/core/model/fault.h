#pragma once
#include <cmath>
#include <stdexcept>
#include <string>

namespace brumelle {

// A floating-point fault inside a property computation: a division by zero,
// the logarithm of a non-positive number, a non-finite result or a search
// that hit its iteration bound. Callers decide what the user sees.
class ComputeFault : public std::runtime_error {
public:
    explicit ComputeFault(const std::string &what) : std::runtime_error(what) {}
};

namespace checked {

inline long double finite(long double v, const char *what)
{
    if (!std::isfinite(v))
        throw ComputeFault(std::string("non-finite result in ") + what);
    return v;
}

inline long double div(long double num, long double den, const char *what)
{
    if (den == 0.0L)
        throw ComputeFault(std::string("division by zero in ") + what);
    return finite(num / den, what);
}

inline long double log10(long double v, const char *what)
{
    if (!(v > 0.0L))
        throw ComputeFault(std::string("logarithm of a non-positive number in ") + what);
    return finite(std::log10(v), what);
}

inline long double pow10(long double e, const char *what)
{
    return finite(std::pow(10.0L, e), what);
}

} // namespace checked
} // namespace brumelle
