#pragma once
#include <cstdint>
#include <optional>

class QWidget;

namespace brumelle {

// The colour dialog (colours as the settings hold them: 24-bit RGB with red
// in the low byte); tests answer it without showing anything.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // The confirmed colour, or nothing when the user cancels.
    virtual std::optional<int32_t> Choose(int32_t start) = 0;
};

class DialogColourChooser : public ColourChooser {
public:
    explicit DialogColourChooser(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    std::optional<int32_t> Choose(int32_t start) override;

private:
    QWidget *parent_;
};

} // namespace brumelle
