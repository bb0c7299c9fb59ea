#include "announcer.h"

#include <QAccessible>
#include <QTimer>

namespace metrova::ui {

Notice::Notice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Notice::notify(const QString& text) {
    text_ = text;
    // A notification is spoken when it becomes showing, so it hides first.
    hide();
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
}

Announcer::Announcer(QWidget* window) : QObject(window), window_(window) {
    if (!METROVA_ANNOUNCES_BY_EVENT) notice_ = new Notice(window_);
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
#if METROVA_ANNOUNCES_BY_EVENT
    QAccessibleAnnouncementEvent announcement(window_, text_);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    notice_->notify(text_);
#endif
}

}  // namespace metrova::ui
