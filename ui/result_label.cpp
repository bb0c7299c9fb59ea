#include "result_label.h"

#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace metrova::ui {
namespace {

// A tooltip's frame and margins, on each side.
constexpr int kTipMargin = 16;

// Each line of `text` broken into lines that fit the width of the screen
// that `widget` is on, after a blank where the line has one, else anywhere:
// a long digit string is shown whole, over several lines.
QString wrappedToScreen(const QString& text, const QWidget* widget) {
    const QFontMetrics metrics(QToolTip::font());
    const int room = widget->screen()->availableGeometry().width() - 2 * kTipMargin;
    QStringList lines;
    for (QString rest : text.split(QLatin1Char('\n'))) {
        while (metrics.horizontalAdvance(rest) > room) {
            qsizetype cut = 1;
            while (cut < rest.size() && metrics.horizontalAdvance(rest.left(cut + 1)) <= room) ++cut;
            const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
            if (blank > 0) cut = blank + 1;
            lines << rest.left(cut);
            rest = rest.mid(cut);
        }
        lines << rest;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::NoFocus); }

void ResultLabel::showResult(const QString& text, const QString& heard, const QString& story) {
    setText(text);
    setAccessibleName(heard);
    const bool whole = fits(text);
    setTextInteractionFlags(whole ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    // Qt gives a selectable label the focus policy of a text field.
    setFocusPolicy(Qt::NoFocus);
    QString tip = text;
    if (!story.isEmpty()) tip = whole ? story : text + QLatin1Char('\n') + story;
    setToolTip(wrappedToScreen(tip, this));
}

void ResultLabel::clearResult() {
    setText(QString());
    setAccessibleName(QString());
    setToolTip(QString());
}

// The indent is kept on both sides, so that a cut text never touches the frame.
QRect ResultLabel::room() const {
    const int indent = std::max(this->indent(), 0);
    return contentsRect().adjusted(indent, 0, -indent, 0);
}

bool ResultLabel::fits(const QString& text) const { return fontMetrics().horizontalAdvance(text) <= room().width(); }

QString ResultLabel::shownText() const {
    return fits(text()) ? text() : fontMetrics().elidedText(text(), Qt::ElideRight, room().width());
}

// A text that fits is QLabel's to draw (with a mouse selection, if any).
void ResultLabel::paintEvent(QPaintEvent* event) {
    if (fits(text())) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, room(), static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

}  // namespace metrova::ui
