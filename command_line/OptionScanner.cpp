#include "command_line/OptionScanner.h"

namespace command_line {

std::optional<Word> OptionScanner::Next() {
    if (!optionsEnded_ && next_ < args_.size() && args_[next_] == "--") {
        optionsEnded_ = true;
        ++next_;
    }
    if (next_ >= args_.size()) return std::nullopt;
    Word word;
    word.text = args_[next_++];
    word.option = !optionsEnded_ && word.text.size() > 1 && word.text[0] == '-';
    if (!word.option) return word;
    const std::size_t equals = word.text.find('=');
    word.name = word.text.substr(0, equals);
    if (equals != std::string::npos) word.value = word.text.substr(equals + 1);
    return word;
}

std::optional<std::string> OptionScanner::ValueOf(const Word& option) {
    if (option.value) return option.value;
    if (next_ >= args_.size()) return std::nullopt;
    return args_[next_++];
}

} // namespace command_line
