#pragma once
// Puts the process under a locale whose decimal separator is the comma (de_DE.UTF-8) for the life of
// the object, then back to "C". scripts/setup.sh generates the locale.

#include <clocale>

namespace testing_support {

class CommaDecimalLocale {
  public:
    CommaDecimalLocale() : active_(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {}
    ~CommaDecimalLocale() { std::setlocale(LC_ALL, "C"); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;
    // False when the machine lacks the locale.
    bool Active() const { return active_; }

  private:
    bool active_;
};

inline constexpr const char* MissingCommaLocale =
    "the locale de_DE.UTF-8 is missing; scripts/setup.sh generates it";

} // namespace testing_support
