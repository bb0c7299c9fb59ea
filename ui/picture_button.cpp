#include "picture_button.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace metrova::ui {

PictureButton::PictureButton(const QString& svg_file, QWidget* parent) : QAbstractButton(parent), renderer_(svg_file) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const { return renderer_.defaultSize(); }

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    renderer_.render(&painter, QRectF(rect()));
}

QIcon icon_from_svg(const QString& svg_file, std::initializer_list<int> sizes, QIcon icon) {
    QSvgRenderer renderer(svg_file);
    for (const int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace metrova::ui
