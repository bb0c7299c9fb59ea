// Tells a screen reader what changed where the focus is not: the new result,
// and the list entry that a pick chose before the focus moved on to the
// value box. Whatever a user's one action causes is said once, after the
// action has been handled: a Swap that converts four times is heard as one
// result.
//
// Built with METROVA_ANNOUNCEMENT_EVENT (the Windows build) and a Qt that has
// the announcement event (6.8 and later), an announcement is that event from
// the window, polite: UI Automation raises it as a notification, which a
// screen reader queues after what it is saying. Elsewhere it is the notice,
// an object of accessible role notification, one pixel in size and never
// focused or clicked, that shows itself again for every announcement, named
// by it: AT-SPI screen readers speak a notification when it shows (Orca as
// "notification" and the text, which the announcement event would not say).
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#if defined(METROVA_ANNOUNCEMENT_EVENT) && QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define METROVA_ANNOUNCES_BY_EVENT 1
#else
#define METROVA_ANNOUNCES_BY_EVENT 0
#endif

namespace metrova::ui {

// The hidden object of role notification (accessibility.cpp gives it its
// role and name).
class Notice : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget* parent);

    // Shows `text` anew, as its name.
    void notify(const QString& text);
    [[nodiscard]] const QString& text() const { return text_; }

private:
    QString text_;
};

class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    // What the user's action chose ("Source unit Decibel (dB)"), said first.
    void setSubject(const QString& subject);
    // The result as shown, with its unit ("-16.990 Decibel (dB)"); a later
    // result of the same action replaces it.
    void setResult(const QString& result);
    // The action failed: its error box says what there is to say of results.
    void dropResult();

    // The text of the last announcement.
    [[nodiscard]] const QString& text() const { return text_; }

private:
    void schedule();
    void announce();

    QWidget* window_;
    Notice* notice_ = nullptr;
    QString subject_;
    QString result_;
    QString text_;
    bool scheduled_ = false;
};

}  // namespace metrova::ui
