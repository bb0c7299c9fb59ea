#include "announcer.h"

#include <QAccessible>
#include <QTimer>

namespace metrova::ui {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::setSubject(const QString& subject) {
    subject_ = subject;
    schedule();
}

void Announcer::setResult(const QString& result) {
    result_ = result;
    schedule();
}

void Announcer::dropResult() { result_.clear(); }

void Announcer::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, &Announcer::announce);
}

void Announcer::announce() {
    scheduled_ = false;
    QString text = subject_;
    if (!subject_.isEmpty() && !result_.isEmpty()) text += QStringLiteral(". ");
    text += result_;
    subject_.clear();
    result_.clear();
    if (text.isEmpty()) return;
    text_ = text;
    // A notification is spoken when it becomes showing, so it hides first.
    hide();
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
}

}  // namespace metrova::ui
