// The lists' entries and how the keyboard finds one. Every entry begins with
// a blank (" Pressure"), which is shown and read as part of the entry but is
// not what a user types: "p" in the category list is to find " Pressure".
//
// Qt's keyboard search (a list's popup's, which a closed combo box uses too)
// keeps the platform's rules: a letter typed after a pause starts a new
// search from the entry after the current one, the same letter again goes on
// to the next entry starting with it, letters typed within
// QApplication::keyboardInputInterval() make a prefix, and disabled entries
// are passed over. Each step asks the model for the first entry, from a start
// row on and wrapping, whose text starts with what was typed, letter case
// aside. EntryModel answers that question by the text after the blank, and
// every other one as Qt's own model does.
#pragma once

#include <QStandardItemModel>
#include <QStringList>

#include <optional>

namespace metrova::ui {

// The first of the entries, from `start` on and then from the first, whose
// text after its leading blank starts with `typed`, letter case aside; none
// when no entry's does. A start outside the entries is the first. One letter
// typed again and again ("vv") is that letter: Qt's search has already moved
// the start past the current entry, and asks for the letter itself (Qt 6.4
// asks for the whole repeat, which no entry starts with).
//   {" Optics", " Pressure", " Force"}, 0, "p" -> 1    ..., 2, "O" -> 0
//   {" Volume", " Velocity"}, 0, "ve" -> 1    ..., 1, "vv" -> 1    ..., 0, " v" -> none
std::optional<qsizetype> entryStartingWith(const QStringList& entries, qsizetype start, const QString& typed);

class EntryModel : public QStandardItemModel {
    Q_OBJECT

public:
    using QStandardItemModel::QStandardItemModel;

    [[nodiscard]] QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits,
                                        Qt::MatchFlags flags) const override;
};

}  // namespace metrova::ui
