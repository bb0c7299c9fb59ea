#include "copy_sign.h"

#include <QToolTip>

namespace metrova::ui {

CopySign::CopySign(QWidget* parent, const QWidget* result) : QLabel(QStringLiteral("Copied"), parent), result_(result) {
    setObjectName(QStringLiteral("copySign"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Drawn as a tooltip is, which is what it stands for.
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
    hideLater_.setSingleShot(true);
    hideLater_.setInterval(kShownFor);
    connect(&hideLater_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

// Right-aligned with the result, its bottom on the result's top edge.
void CopySign::showCopied() {
    resize(sizeHint());
    const QRect below = result_->geometry();
    move(below.right() + 1 - width(), below.top() - height());
    raise();
    show();
    hideLater_.start();
}

}  // namespace metrova::ui
