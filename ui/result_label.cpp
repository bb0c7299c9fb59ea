#include "result_label.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace metrova::ui {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {}

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
