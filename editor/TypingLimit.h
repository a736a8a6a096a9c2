#pragma once
// Limits what the user can type or paste into a line edit, as a text box with a typing limit does,
// without cutting text the program sets: QLineEdit's maximum length would also cut setText (a PP of
// 255 would show "25").
//
// An insertion that would pass the limit keeps as many of its first characters as there is room
// for; with no room left nothing is inserted. Deleting is always allowed, even from a text that the
// program made longer than the limit.

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace editor {

class TypingLimit : public QValidator {
  public:
    TypingLimit(int maxLength, QLineEdit* field)
        : QValidator(field), field_(field), maxLength_(maxLength), before_(field->text()) {
        connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int& pos) const override {
        // Texts the program sets leave the field unmodified; only the user's edits are limited.
        if (input.size() <= maxLength_ || !field_->isModified()) return Acceptable;
        // The edit replaced a stretch of the old text by the characters in front of the cursor; what
        // follows the cursor is the old text's end.
        const qsizetype tail = input.size() - pos;
        if (tail < 0 || tail > before_.size()) return Invalid;
        const qsizetype frontLimit = std::min<qsizetype>(pos, before_.size() - tail);
        qsizetype start = 0;
        while (start < frontLimit && input[start] == before_[start]) ++start;
        const qsizetype inserted = pos - start;
        if (inserted == 0) return Acceptable; // a deletion
        const qsizetype room = maxLength_ - (input.size() - inserted);
        if (room <= 0) return Invalid;
        input.remove(start + room, inserted - room);
        pos = static_cast<int>(start + room);
        return Acceptable;
    }

  private:
    QLineEdit* field_;
    int maxLength_;
    QString before_; // the field's text before the edit under validation
};

} // namespace editor
