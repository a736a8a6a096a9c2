#pragma once
// The keyed store of a button's stored settings: typed values under keys compared without regard
// to letter case ("btype" and "BTYPE" are one key).

#include "chameleon_button/Picture.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

namespace chameleon_button {

using PropertyValue = std::variant<std::int32_t, std::int16_t, bool, QString, QFont, PictureRef>;

class PropertyBag {
  public:
    // Stores value under key, replacing a value stored under the same key in any letter case.
    void Write(const QString& key, PropertyValue value);
    // The value under key, whatever its letter case, or nothing.
    std::optional<PropertyValue> Read(const QString& key) const;
    // The keys in the order they were first written, as written.
    std::vector<QString> Keys() const;

  private:
    std::vector<std::pair<QString, PropertyValue>> entries_;
};

// Reading a stored value of the wrong type for its key is an error of the store.
class PropertyTypeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace chameleon_button
