// Thousands of random user actions (keys, picks, clicks, spins, wheel turns,
// pastes) on one window; after each, the window must be consistent:
//   - both unit lists hold exactly the units of the current category;
//   - the category whose units the lists hold is the category list's current index;
//   - the places box and spin control are shown exactly in decimal notation;
//   - unless a run-time error was reported since the label last changed,
//     whenever the notation and places box name a rendering, the label is
//     empty or shows the current answer that way;
//   - an action reports at most one run-time error, and one that failed is
//     heard without a result; any other is heard at most once, and a result
//     heard is the label's text in the unit that the tooltip names.
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>

#include <random>

#include "display.h"
#include "driver.h"

namespace metrova::ui::test {
namespace {

constexpr int kActions = 3000;

class RandomUser {
public:
    explicit RandomUser(Window& w) : w_(w) {}

    // Describes the action it took, for the failure message.
    QString act() {
        // Keys never go to Quit: Space there would end the run.
        if (w_.focus() == w_.quit()) w_.press(Qt::Key_Tab);
        switch (pick(12)) {
            case 0:
            case 1: {
                static const QString typed = QStringLiteral("0123456789.-eE+a ,");
                const QString ch = typed.mid(pick(static_cast<int>(typed.size())), 1);
                w_.type(ch);
                return "type " + ch;
            }
            case 2: {
                static const Qt::Key keys[] = {Qt::Key_Return,  Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab,
                                               Qt::Key_Backtab, Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Delete,
                                               Qt::Key_Home,    Qt::Key_End};
                const Qt::Key key = keys[pick(std::size(keys))];
                w_.press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                return QStringLiteral("key %1").arg(key, 0, 16);
            }
            case 3:
            case 4: {
                QComboBox* lists[] = {w_.category(), w_.source(), w_.target()};
                QComboBox* list = lists[pick(3)];
                if (list->count() == 0) return QStringLiteral("nothing");
                const int row = pick(list->count());
                w_.pick(list, row);
                return QStringLiteral("pick %1 in %2").arg(row).arg(list->objectName());
            }
            case 5: {
                QWidget* targets[] = {w_.category(), w_.source(), w_.target(), w_.spin()};
                QWidget* target = targets[pick(4)];
                if (!target->isVisible()) return QStringLiteral("nothing");
                static const int turns[] = {1, -1, 3, -3};
                const int notches = turns[pick(std::size(turns))];
                w_.wheel(target, notches);
                return QStringLiteral("wheel %1 over %2").arg(notches).arg(target->objectName());
            }
            case 6: w_.click(w_.go()); return QStringLiteral("click GO");
            case 7: w_.click(w_.swap()); return QStringLiteral("click Swap");
            case 8: {
                QRadioButton* option = pick(2) == 0 ? w_.decimal() : w_.scientific();
                w_.click(option);
                return "click " + option->objectName();
            }
            case 9: {
                if (!w_.spin()->isVisible()) return QStringLiteral("nothing");
                if (pick(2) == 0) {
                    w_.spinUp();
                    return QStringLiteral("spin up");
                }
                w_.spinDown();
                return QStringLiteral("spin down");
            }
            case 10: {
                TextBox* box = pick(2) == 0 ? w_.value() : w_.places();
                if (!box->isVisible()) return QStringLiteral("nothing");
                w_.click(box, {pick(box->width()), box->height() / 2});
                return "click " + box->objectName();
            }
            default: {
                static const char* const texts[] = {"12", "1e308", "-3",  "1e999", "0",   "abc",
                                                    "10", "11",    "2.5", "007",   " 5 ", "-1.7976931348623157e308",
                                                    ""};
                const QString text = QString::fromLatin1(texts[pick(std::size(texts))]);
                auto* box = qobject_cast<QLineEdit*>(w_.focus());
                if (box == nullptr) return QStringLiteral("nothing");
                w_.paste(text);
                return "paste \"" + text + "\" into " + box->objectName();
            }
        }
    }

private:
    int pick(std::size_t n) { return static_cast<int>(random_() % n); }
    int pick(int n) { return pick(static_cast<std::size_t>(n)); }

    Window& w_;
    std::mt19937 random_{20261207};
};

// The result part of an announcement, after what the action chose: it starts
// with the number shown.
QString resultPart(const QString& said) {
    static const QRegularExpression result(QStringLiteral("(?:^|\\. )(-?[0-9].*)$"));
    return result.match(said).captured(1);
}

// The label's text in the unit that its tooltip names: the unit follows the
// number on the line before "from"; a label with no story has no unit.
QString expectedResult(const QLabel* label) {
    const QStringList lines = label->toolTip().split(QLatin1Char('\n'));
    const qsizetype from = lines.indexOf(QRegularExpression(QStringLiteral("from .*")));
    if (from < 1) return label->text();
    return label->text() + QLatin1Char(' ') + lines[from - 1].section(QLatin1Char(' '), 1);
}

TEST(RandomActions, TheWindowStaysConsistent) {
    Window w;
    Heard heard;
    RandomUser user(w);
    bool errorSinceLabelChanged = false;
    int checkedRenderings = 0;
    int heardResults = 0;
    QSet<QString> kinds;
    for (int i = 0; i < kActions; ++i) {
        const qsizetype messages = w.messages().size();
        const QString label = w.result()->text();
        const QString action = user.act();
        SCOPED_TRACE(QStringLiteral("action %1: %2").arg(i).arg(action).toStdString());
        kinds.insert(action.section(QLatin1Char(' '), 0, 0));
        const QStringList said = heard.take();
        const qsizetype errors = w.messages().size() - messages;
        ASSERT_LE(errors, 1) << w.messages().join(QLatin1Char('\n')).toStdString();
        ASSERT_LE(said.size(), 1);
        for (const QString& announcement : said) {
            const QString result = resultPart(announcement);
            if (errors > 0) {
                ASSERT_TRUE(result.isEmpty()) << "a failed action announced " << announcement.toStdString();
            } else if (!result.isEmpty()) {
                ASSERT_EQ(result, expectedResult(w.result()));
                ++heardResults;
            }
        }

        const auto category = static_cast<Index>(w.category()->currentIndex());
        ASSERT_EQ(w.items(w.source()), labelsOf(category));
        ASSERT_EQ(w.items(w.target()), labelsOf(category));
        ASSERT_EQ(w.window().listedCategory(), category);
        const bool decimal = w.decimal()->isChecked();
        ASSERT_NE(decimal, w.scientific()->isChecked());
        ASSERT_EQ(w.places()->isVisible(), decimal);
        ASSERT_EQ(w.spin()->isVisible(), decimal);

        if (w.messages().size() > messages) {
            errorSinceLabelChanged = true;
        } else if (w.result()->text() != label) {
            errorSinceLabelChanged = false;
        }
        const auto rendering = render_answer(w.window().answer(), decimal ? Notation::decimal : Notation::scientific,
                                             w.places()->text().toStdString());
        if (!errorSinceLabelChanged && rendering) {
            const QString shown = w.result()->text();
            ASSERT_TRUE(shown.isEmpty() || shown == QString::fromStdString(*rendering))
                << "label \"" << shown.toStdString() << "\", rendering \"" << *rendering << '"';
            checkedRenderings += shown.isEmpty() ? 0 : 1;
        }
    }
    // The run really went through the window: every kind of action, run-time
    // errors among them, and many non-empty labels checked.
    for (const char* kind : {"type", "key", "pick", "wheel", "click", "spin", "paste"}) {
        EXPECT_TRUE(kinds.contains(QString::fromLatin1(kind))) << kind;
    }
    EXPECT_GT(w.messages().size(), 5);
    EXPECT_GT(checkedRenderings, kActions / 4);
    EXPECT_GT(heardResults, kActions / 10);
}

}  // namespace
}  // namespace metrova::ui::test
