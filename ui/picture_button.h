// A picture that acts as a button: it draws an SVG scaled to its size, runs
// clicked() on a mouse click, shows a pointing hand and never takes the
// keyboard focus.
#pragma once

#include <QAbstractButton>
#include <QSvgRenderer>

namespace metrova::ui {

class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const QString& svg_file, QWidget* parent);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};

// `icon` with the SVG drawn at each of the given square sizes added, for a
// window icon drawn once for small sizes and once for large ones.
QIcon icon_from_svg(const QString& svg_file, std::initializer_list<int> sizes, QIcon icon = {});

}  // namespace metrova::ui
