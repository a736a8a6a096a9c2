#pragma once
// A project's charmap.txt: the game bytes of each character and brace escape its game texts
// (_("...")) may hold, read both ways, so that a name or a description in a C file is the same text
// the built ROM holds.
//
//   'A' = BB
//   '\n' = FE
//   PKMN = 53 54          (written {PKMN} in a text)

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace project {

class Charmap {
  public:
    // The charmap in text (lines of 'c' = XX [XX...] or NAME = XX [XX...]; @ starts a comment; other
    // lines are skipped). Never fails.
    static Charmap Parse(std::string_view text);
    // root/charmap.txt; throws ProjectError when it cannot be read.
    static Charmap Read(const std::filesystem::path& root);

    // The game bytes of the contents of one C string literal (between its quotes, C escapes \n \"
    // \\ as written), or nullopt with the character or escape that has no code in fault.
    std::optional<std::vector<std::uint8_t>> Encode(std::string_view literalContents,
                                                    std::string& fault) const;
    // The contents of a C string literal that encodes bytes (a line break as \n, a quote as \", a
    // byte sequence with no single character as its {ESCAPE}), or nullopt when a byte has no entry
    // or the text would read back as other bytes.
    std::optional<std::string> Render(std::span<const std::uint8_t> bytes) const;

  private:
    // A character is its UTF-8 text, \n, \", \\ and \' as the character; another escape (\l) as written.
    std::map<std::string, std::vector<std::uint8_t>, std::less<>> characters_; // character -> bytes
    std::map<std::string, std::vector<std::uint8_t>, std::less<>> escapes_;    // NAME -> bytes
    // The other way, the first line for the bytes winning: bytes -> character, bytes -> NAME.
    std::map<std::vector<std::uint8_t>, std::string> characterOf_, escapeOf_;
    std::size_t longestCharacter_ = 0, longestEscape_ = 0; // in bytes of the game
    std::size_t longestKey_ = 0;                           // in bytes of UTF-8
};

} // namespace project
