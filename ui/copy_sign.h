// The sign that the result was copied: a small "Copied" tag just above the
// result label, shown by each copy and gone by itself after a moment. It
// takes neither the focus nor the mouse and lies in the free space above the
// result, so that it covers no control. It is a plain label, which a screen
// reader does not speak when it shows: the copy is heard once, as the
// notification "Result copied: ...".
#pragma once

#include <QLabel>
#include <QTimer>

#include <chrono>

namespace metrova::ui {

class CopySign : public QLabel {
    Q_OBJECT

public:
    // How long the sign stays.
    static constexpr std::chrono::milliseconds kShownFor{1500};

    // Made hidden; `result` is the label it stands over.
    CopySign(QWidget* parent, const QWidget* result);

    // How long the sign stays from now on; kShownFor unless set.
    void setShownFor(std::chrono::milliseconds shownFor) { hideLater_.setInterval(shownFor); }

    // Shows the sign, or keeps it for its whole time again.
    void showCopied();

private:
    const QWidget* result_;
    QTimer hideLater_;
};

}  // namespace metrova::ui
