#include "entry_model.h"

namespace metrova::ui {

std::optional<qsizetype> entryStartingWith(const QStringList& entries, qsizetype start, const QString& typed) {
    QStringView wanted(typed);
    if (wanted.size() > 1 && wanted.count(wanted.front()) == wanted.size()) wanted = wanted.first(1);
    const qsizetype count = entries.size();
    if (start < 0 || start >= count) start = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype row = (start + i) % count;
        QStringView text(entries[row]);
        if (text.startsWith(QLatin1Char(' '))) text = text.mid(1);
        if (text.startsWith(wanted, Qt::CaseInsensitive)) return row;
    }
    return std::nullopt;
}

// Only the keyboard search's own question (one hit, wrapping, letter case
// aside, in a flat list) is answered here.
QModelIndexList EntryModel::match(const QModelIndex& start, int role, const QVariant& value, int hits,
                                  Qt::MatchFlags flags) const {
    const bool keyboardSearch = role == Qt::DisplayRole && hits == 1 &&
                                (flags & Qt::MatchTypeMask) == Qt::MatchStartsWith && flags.testFlag(Qt::MatchWrap) &&
                                !flags.testFlag(Qt::MatchCaseSensitive) && !flags.testFlag(Qt::MatchRecursive) &&
                                start.isValid() && start.model() == this && !start.parent().isValid();
    if (!keyboardSearch) return QStandardItemModel::match(start, role, value, hits, flags);
    QStringList entries;
    for (int row = 0; row < rowCount(); ++row) entries << index(row, start.column()).data(role).toString();
    const auto found = entryStartingWith(entries, start.row(), value.toString());
    if (!found) return {};
    return {index(static_cast<int>(*found), start.column())};
}

}  // namespace metrova::ui
