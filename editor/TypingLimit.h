#pragma once
// Limits what the user can type or paste into a line edit, as a text box with a typing limit does,
// without cutting text the program sets: QLineEdit's maximum length would also cut setText (a PP of
// 255 would show "25").
//
// The limit counts characters, not UTF-16 units: a character of two units (an emoji) counts once
// and is never cut in half. An insertion that would pass the limit keeps as many of its first
// characters as there is room for; with no room left nothing is inserted. Deleting is always
// allowed, even from a text that the program made longer than the limit.

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
        if (Characters(input, 0, input.size()) <= maxLength_ || !field_->isModified()) return Acceptable;
        // The edit replaced a stretch of the old text by the characters in front of the cursor; what
        // follows the cursor is the old text's end.
        const qsizetype tail = input.size() - pos;
        if (tail < 0 || tail > before_.size()) return Invalid;
        const qsizetype frontLimit = std::min<qsizetype>(pos, before_.size() - tail);
        qsizetype start = 0;
        while (start < frontLimit && input[start] == before_[start]) ++start;
        // Two characters may share their first unit: the insertion then begins with the whole pair.
        if (start > 0 && start < input.size() && input[start].isLowSurrogate() &&
            input[start - 1].isHighSurrogate())
            --start;
        if (pos == start) return Acceptable; // a deletion
        const qsizetype kept = Characters(input, 0, start) + Characters(input, pos, input.size());
        qsizetype room = maxLength_ - kept;
        if (room <= 0) return Invalid;
        qsizetype end = start;
        while (room-- > 0 && end < pos) end += Width(input, end);
        input.remove(end, pos - end);
        pos = static_cast<int>(end);
        return Acceptable;
    }

  private:
    // The units of the character at i: 2 for a surrogate pair, 1 otherwise (a lone surrogate too).
    static qsizetype Width(const QString& s, qsizetype i) {
        return s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
    }

    static qsizetype Characters(const QString& s, qsizetype from, qsizetype to) {
        qsizetype n = 0;
        for (qsizetype i = from; i < to; i += Width(s, i)) ++n;
        return n;
    }

    QLineEdit* field_;
    int maxLength_;
    QString before_; // the field's text before the edit under validation
};

} // namespace editor
