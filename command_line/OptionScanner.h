#pragma once
// Reads a command line word by word, as every program of the project takes its options: a word that
// begins with "-" is an option, but "-" alone (standard input or output) and every word after "--",
// which ends the options; an option given a value is written "--name VALUE" or "--name=VALUE".
// The programs decide for themselves what each word means, in the order they read them, and word their
// own messages; a general option library would bring spellings and messages of its own ("--csv=false",
// "-abc" for "-a -b -c"). Standard library only, so that the command-line companion and the window's
// program share it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace command_line {

// One word of the command line.
struct Word {
    std::string text;                 // as typed
    bool option = false;              // an option rather than an operand
    std::string name;                 // an option's text up to its first "=" ("--data" of "--data=x")
    std::optional<std::string> value; // an option's text after its first "=", when it has one

    // Whether this is the option spelled exactly so, without "=VALUE".
    bool Is(std::string_view spelling) const { return option && text == spelling; }
    // Whether this is the option optionName, written alone or as "optionName=VALUE".
    bool Names(std::string_view optionName) const { return option && name == optionName; }
    // Whether this is "-h" or "--help", which every program takes for its usage text.
    bool AsksForHelp() const { return Is("-h") || Is("--help"); }
};

class OptionScanner {
  public:
    explicit OptionScanner(std::vector<std::string> args) : args_(std::move(args)) {}

    // The next word, or nullopt after the last. The first "--" is no word: it makes every word after
    // it an operand. Never fails.
    std::optional<Word> Next();

    // The value of the option just read: its "=VALUE", else the next word whatever it is (which
    // is then not read as a word of its own), else nullopt at the end of the line. Never fails.
    std::optional<std::string> ValueOf(const Word& option);

  private:
    std::vector<std::string> args_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
};

} // namespace command_line
