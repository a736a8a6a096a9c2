#pragma once
// What the window hosting a button tells it: its display name and font for a new button, whether
// the form is being designed, and whether it shows this button as its default button.

#include <QFont>
#include <QString>

namespace chameleon_button {

class ButtonAmbient {
  public:
    virtual ~ButtonAmbient() = default;
    virtual bool UserMode() const { return true; } // false while the form is designed
    virtual bool DisplayAsDefault() const { return false; }
    virtual QString DisplayName() const { return {}; }
    virtual QFont Font() const { return {}; }
};

// A running program with no default button: what the editor window supplies.
inline const ButtonAmbient& RunModeAmbient() {
    static const ButtonAmbient ambient;
    return ambient;
}

} // namespace chameleon_button
