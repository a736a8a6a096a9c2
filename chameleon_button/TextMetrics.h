#pragma once
// Measuring and drawing caption text, behind an interface so layout tests can use fixed metrics.

#include <QFont>
#include <QRect>
#include <QString>

class QImage;

namespace chameleon_button {

class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    // The size of caption laid out in lines broken between words at width (ampersands marking
    // access keys are not counted; "&&" is one ampersand).
    virtual QSize Measure(const QString& caption, const QFont& font, int width) const = 0;
};

// Qt's own text layout with the font, without anti-aliasing.
class QtTextMetrics : public TextMetrics {
  public:
    QSize Measure(const QString& caption, const QFont& font, int width) const override;
};

// The font the control draws with: the host font without anti-aliasing.
QFont CaptionFont(const QFont& hostFont);

// The flags every caption text is laid out with: centred lines broken between words, mnemonics.
int CaptionTextFlags();

} // namespace chameleon_button
