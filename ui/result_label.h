// The result label: shows a result, and a text too wide for it cut at the
// end with "…", so that a long number never reads as a shorter one. Its text
// stays whole: the clipboard, the screen reader and the tooltip get all of
// it. A result that it shows whole can be selected with the mouse; one that
// it cuts cannot, which would select what cannot be seen. The label never
// takes the keyboard focus. Its accessible name is the result as a screen
// reader hears it, with its unit ("-16.990 Decibel (dB)"), so that one that
// finds the label by reading the window hears what was announced.
//   1 followed by 300 zeros, ".0000000000"  -> shows "1000000000000…"
#pragma once

#include <QLabel>

namespace metrova::ui {

class ResultLabel : public QLabel {
    Q_OBJECT

public:
    explicit ResultLabel(QWidget* parent);

    // Shows `text`, read as `heard`, with the story of how it was computed as
    // its tooltip: a text shown cut leads the story, whole; with no story the
    // tooltip is the text. The tooltip's lines are broken to fit the label's
    // screen.
    void showResult(const QString& text, const QString& heard, const QString& story);
    // Shows nothing, with no tooltip, and is read as nothing.
    void clearResult();

    // Whether `text` fits between the label's indents.
    [[nodiscard]] bool fits(const QString& text) const;
    // What the label draws: its text, or as much of it as fits, then "…".
    [[nodiscard]] QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QRect room() const;
};

}  // namespace metrova::ui
