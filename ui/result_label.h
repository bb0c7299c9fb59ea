// The result label: a label that shows a text too wide for it cut at the end
// with "…", so that a long number never reads as a shorter one. Its text
// stays whole: the clipboard, the screen reader and the tooltip get all of it.
//   1 followed by 300 zeros, ".0000000000"  -> shows "1000000000000…"
#pragma once

#include <QLabel>

namespace metrova::ui {

class ResultLabel : public QLabel {
    Q_OBJECT

public:
    explicit ResultLabel(QWidget* parent);

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
