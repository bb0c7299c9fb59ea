#include "entry_model.h"

#include <gtest/gtest.h>

namespace metrova::ui {
namespace {

// What the window's keys cannot reach: an entry without the blank, a start
// outside the entries, a repeat in capitals, no entries at all.
TEST(EntryModel, AnEntryIsFoundByItsTextAfterTheBlank) {
    const QStringList entries{" Optics", " Volume", "Vacuum", " pressure"};
    const struct {
        qsizetype start;
        const char* typed;
        std::optional<qsizetype> found;
    } cases[] = {
        {0, "v", 1},
        {2, "VVV", 2},
        {3, "vv", 1},
        {0, "va", 2},
        {0, "PRESSURE", 3},
        {0, " v", std::nullopt},
        {0, "vve", std::nullopt},
        {-1, "o", 0},
        {4, "o", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entryStartingWith(entries, c.start, QString::fromLatin1(c.typed)), c.found)
            << "from " << c.start << " typing \"" << c.typed << '"';
    }
    EXPECT_EQ(entryStartingWith({}, 0, QStringLiteral("p")), std::nullopt);
}

}  // namespace
}  // namespace metrova::ui
