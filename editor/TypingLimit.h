#pragma once
// Limits what the user can type into a line edit without cutting text the program sets:
// QLineEdit's maximum length would also truncate setText (a PP of 255 would show "25").

#include <QValidator>

namespace editor {

class TypingLimit : public QValidator {
  public:
    TypingLimit(int maxLength, QObject* parent) : QValidator(parent), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        return input.size() <= maxLength_ ? Acceptable : Invalid;
    }

  private:
    int maxLength_;
};

} // namespace editor
