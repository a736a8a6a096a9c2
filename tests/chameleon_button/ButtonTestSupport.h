#pragma once
// Shared pieces of the control's tests: a fixed-metric font, a fixed system-colour table, and a
// button sized without being shown.

#include "chameleon_button/SystemColors.h"
#include "chameleon_button/TextMetrics.h"
#include "chameleon_button/chameleonButton.h"

#include <QStringList>
#include <memory>

namespace button_test {

// The tests are the control's own: its names unqualified.
using namespace chameleon_button;

// Every displayed character is 6 pixels wide and every line 13 high; lines break between words
// (at spaces) where the next word would pass the width; "&" marks are not displayed, "&&" is one.
class FixedMetrics : public TextMetrics {
  public:
    static constexpr int CharWidth = 6, LineHeight = 13;
    QSize Measure(const QString& caption, const QFont&, int width) const override {
        if (caption.isEmpty()) return {0, 0};
        QString shown;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption[i] == u'&') {
                if (i + 1 < caption.size() && caption[i + 1] == u'&') shown += u'&', ++i;
                continue;
            }
            shown += caption[i];
        }
        int widest = 0, lines = 0, line = -1;
        for (const QString& word : shown.split(u' ')) {
            const int w = static_cast<int>(word.size()) * CharWidth;
            if (line >= 0 && line + CharWidth + w <= width) {
                line += CharWidth + w;
            } else {
                if (line >= 0) widest = std::max(widest, line);
                line = w, ++lines;
            }
        }
        widest = std::max(widest, line);
        return {widest, lines * LineHeight};
    }
};

// Distinct, recognisable system colours: index i is RGB (i, 2i, 3i) except the ones named below.
inline system_colors::Table FixedSystemColours() {
    using namespace system_colors;
    Table t{};
    for (int i = 0; i < Count; ++i) t[static_cast<std::size_t>(i)] = Rgb(i, 2 * i, 3 * i);
    t[COLOR_BTNFACE] = 0x00C8D0D4;
    t[COLOR_BTNSHADOW] = 0x00808080;
    t[COLOR_3DLIGHT] = 0x00DFDFDF;
    t[COLOR_3DDKSHADOW] = 0x00404040;
    t[COLOR_BTNHIGHLIGHT] = 0x00FFFFFF;
    t[COLOR_BTNTEXT] = 0x00102030;
    t[COLOR_HIGHLIGHT] = 0x00800000;
    return t;
}

// Holds the fixed system colours for the life of a test.
struct SystemColourScope {
    SystemColourScope() { system_colors::Override(FixedSystemColours()); }
    ~SystemColourScope() { system_colors::Reset(); }
};

// A button of w x h pixels with the fixed font, laid out and painted once, not shown.
inline std::unique_ptr<chameleonButton> MakeButton(int w = 100, int h = 30, QWidget* parent = nullptr,
                                                   const ButtonAmbient* ambient = nullptr) {
    auto b = std::make_unique<chameleonButton>(parent, ambient);
    b->SetTextMetrics(std::make_shared<FixedMetrics>());
    b->resize(w, h);
    b->ResizeButton();
    return b;
}

} // namespace button_test
