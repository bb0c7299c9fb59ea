#include "picture_button.h"

#include <QPainter>

#include <utility>

#include "pictures.h"

namespace metrova::ui {

PictureButton::PictureButton(QString filePattern, QWidget* parent)
    : QAbstractButton(parent), filePattern_(std::move(filePattern)) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const { return pictureFor(1.0).size(); }

// QPixmap keeps what it read from a file in Qt's pixmap cache: a repaint
// reads nothing again.
QPixmap PictureButton::pictureFor(qreal devicePixelRatio) const {
    int scale = kPictureScales.back();
    for (const int made : kPictureScales) {
        if (made >= qRound(devicePixelRatio * 100)) {
            scale = made;
            break;
        }
    }
    QPixmap picture(filePattern_.arg(scale));
    picture.setDevicePixelRatio(scale / 100.0);
    return picture;
}

// The copy made for the screen's scale is drawn pixel for pixel (at 150 %
// its 105 x 119 pixels cover the 70 x 79 place, whose last half row is cut);
// between the scales (a 110 % screen) the next larger one is scaled down
// smoothly.
void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPixmap picture = pictureFor(devicePixelRatioF());
    if (qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatioF())) {
        painter.drawPixmap(0, 0, picture);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
}

QIcon iconFromFiles(const QString& filePattern, std::span<const int> sizes) {
    QIcon icon;
    for (const int size : sizes) icon.addFile(filePattern.arg(size), QSize(size, size));
    return icon;
}

}  // namespace metrova::ui
