// A picture that acts as a button: it draws the copy of its picture made for
// the screen's scale, runs clicked() on a mouse click, shows a pointing hand
// and never takes the keyboard focus.
//
// The pictures are PNG files drawn from their SVGs at each scale that
// Windows offers from 100 % to 300 % (pictures.h lists them; tools/render_icon
// made them; the tests metrova_go_SCALE keep them to their SVGs), so that no
// scale of those needs a picture resized on the fly and the program needs no
// SVG renderer. Only the copy that a screen needs is ever read.
#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>

#include <span>

namespace metrova::ui {

class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    // filePattern names the files with %1 for the scale: ":/metrova/go-%1.png".
    PictureButton(QString filePattern, QWidget* parent);

    // The picture's natural size, that of its copy at 100 %.
    [[nodiscard]] QSize sizeHint() const override;

    // The copy drawn for a device pixel ratio: the one made for it, else the
    // next larger one, else the largest.
    [[nodiscard]] QPixmap pictureFor(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString filePattern_;
};

// The icon of the files that filePattern names with %1 for each size in
// pixels (":/metrova/icon-%1.png"), each read when it is first needed.
QIcon iconFromFiles(const QString& filePattern, std::span<const int> sizes);

}  // namespace metrova::ui
