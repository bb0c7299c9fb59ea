// Renders an SVG into a PNG: render_icon IN.svg SIZE OUT.png, as
// resources/icon-32.png was made; SIZE is one number for a square or WxH
// (go.svg at 150 %: 105x119). With --compare, checks that an existing PNG is
// still that rendering (the tests metrova_icon_SIZE and metrova_go_SCALE):
// the pictures are committed rather than rendered at build time, and must
// not drift from their SVGs.
//   render_icon IN.svg SIZE OUT.png
//   render_icon --compare IN.svg SIZE PNG
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt versions antialias edges a little differently; a changed picture moves
// far more than this in some channel of some pixel.
constexpr int kTolerance = 8;

// "32" is 32 x 32, "105x119" is 105 x 119.
QSize size_of(const QByteArray& text) {
    const QList<QByteArray> sides = text.split('x');
    if (sides.size() == 1) return {text.toInt(), text.toInt()};
    if (sides.size() == 2) return {sides[0].toInt(), sides[1].toInt()};
    return {};
}

QImage render(const char* svg, QSize size) {
    QSvgRenderer renderer(QString::fromLocal8Bit(svg));
    if (!renderer.isValid() || size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

// The largest difference of one channel between two images of one size.
int largest_difference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

}  // namespace

int main(int argc, char** argv) {
    const bool compare = argc == 5 && std::strcmp(argv[1], "--compare") == 0;
    if (argc != 4 && !compare) {
        std::fputs("usage: render_icon IN.svg SIZE OUT.png\n       render_icon --compare IN.svg SIZE PNG\n", stderr);
        return 2;
    }
    char** args = compare ? argv + 2 : argv + 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QImage image = render(args[0], size_of(args[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "render_icon: cannot render %s at size %s\n", args[0], args[1]);
        return 1;
    }
    if (!compare) return image.save(QString::fromLocal8Bit(args[2]), "PNG") ? 0 : 1;

    const QImage kept(QString::fromLocal8Bit(args[2]));
    if (kept.size() != image.size()) {
        std::fprintf(stderr, "render_icon: %s is %dx%d, the rendering %dx%d\n", args[2], kept.width(), kept.height(),
                     image.width(), image.height());
        return 1;
    }
    const int difference = largest_difference(kept, image);
    std::printf("%s against the rendering of %s: largest channel difference %d (at most %d)\n", args[2], args[0],
                difference, kTolerance);
    return difference <= kTolerance ? 0 : 1;
}
