#include "chameleon_button/PropertyBag.h"

namespace chameleon_button {

void PropertyBag::Write(const QString& key, PropertyValue value) {
    for (auto& entry : entries_)
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            entry.second = std::move(value);
            return;
        }
    entries_.emplace_back(key, std::move(value));
}

std::optional<PropertyValue> PropertyBag::Read(const QString& key) const {
    for (const auto& entry : entries_)
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) return entry.second;
    return std::nullopt;
}

std::vector<QString> PropertyBag::Keys() const {
    std::vector<QString> keys;
    for (const auto& entry : entries_) keys.push_back(entry.first);
    return keys;
}

} // namespace chameleon_button
