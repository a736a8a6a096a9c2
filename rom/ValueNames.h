#pragma once
// The names a value of a list field (type, effect) is shown and typed by. Values the program's own
// list names keep its names; past the list, a name the user's profile gives ([Typenames] or
// [Effectnames], entries NUMBER=Text) wins over the ROM's own name (its type-name table); a value
// nobody names, or whose ROM name is a placeholder ("-", "???"), shows its number. Both front ends
// show and read values through here.
//
//   [Typenames]
//   23=Fairy
//   [Effectnames]
//   214=Rapid Heal

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

// The names of one profile section, by value; faults lists the lines that name nothing, in words.
struct ProfileNames {
    std::map<int, std::string> names;
    std::vector<std::string> faults;
};

// The NUMBER=Text entries of section (matched without regard to case) in a profile's text; the
// first entry of a number wins. A number that is not 0 to maxValue, or an empty text, is a fault
// and names nothing. Never fails.
ProfileNames ReadProfileNames(std::string_view profileText, std::string_view section, int maxValue = 255);

// Whether a ROM's name stands for no name: empty, or only hyphens, question marks and blanks.
bool IsPlaceholderName(std::string_view name);

class ValueNames {
  public:
    // programNames: the program's own list (rom::TypeNames()); romNames: the ROM's names by value
    // (may be empty); profileNames: the profile's; values 0 to maxValue can be stored.
    ValueNames(std::vector<std::string> programNames, std::vector<std::string> romNames,
               std::map<int, std::string> profileNames, int maxValue = 255);

    // The text value is shown by. Never fails: a value nobody names shows its decimal number.
    std::string Text(int value) const;
    // The value a typed text stands for: a name as Text shows it (ASCII letters without regard to
    // case, blanks around ignored; the lowest value wins a shared name) or a decimal number 0 to
    // maxValue. nullopt when it is neither.
    std::optional<int> Value(std::string_view text) const;
    // Whether a name (not a number) is shown for value.
    bool Named(int value) const;
    int MaxValue() const { return maxValue_; }

  private:
    std::vector<std::string> program_, rom_;
    std::map<int, std::string> profile_;
    int maxValue_;
};

// The type names of a ROM: the program's 18, then the profile's [Typenames], then the ROM's table.
ValueNames TypeValueNames(std::vector<std::string> romNames, std::string_view profileText);
// The effect names of a ROM: the program's 214, then the profile's [Effectnames].
ValueNames EffectValueNames(std::string_view profileText);

} // namespace rom
