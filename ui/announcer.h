// Tells a screen reader what changed where the focus is not: the new result,
// and the list entry that a pick chose before the focus moved on to the
// value box.
//
// It is an object of accessible role notification, one pixel in size and
// never focused or clicked, that shows itself again for every announcement;
// screen readers speak a notification when it shows. Whatever a user's one
// action causes is said once, after the action has been handled: a Swap that
// converts four times is heard as one result.
#pragma once

#include <QString>
#include <QWidget>

namespace metrova::ui {

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // What the user's action chose ("Source unit Decibel (dB)"), said first.
    void setSubject(const QString& subject);
    // The result as shown, with its unit ("-16.990 Decibel (dB)"); a later
    // result of the same action replaces it.
    void setResult(const QString& result);
    // The action failed: its error box says what there is to say of results.
    void dropResult();

    // The text of the last announcement, which is the notification's name.
    [[nodiscard]] const QString& text() const { return text_; }

private:
    void schedule();
    void announce();

    QString subject_;
    QString result_;
    QString text_;
    bool scheduled_ = false;
};

}  // namespace metrova::ui
