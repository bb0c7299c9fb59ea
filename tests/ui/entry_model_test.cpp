#include "entry_model.h"

#include <gtest/gtest.h>

namespace metrova::ui {
namespace {

TEST(EntryModel, AnEntryIsFoundByItsTextAfterTheBlank) {
    const QStringList entries{" Optics", " Pressure", " Volume", " Velocity", "Vacuum", " pressure"};
    const struct {
        qsizetype start;
        const char* typed;
        std::optional<qsizetype> found;
    } cases[] = {
        {0, "p", 1},
        {1, "p", 1},
        {2, "p", 5},
        {0, "PRE", 1},
        {0, "v", 2},
        {3, "v", 3},
        {4, "v", 4},
        {0, "ve", 3},
        {0, "vol", 2},
        {0, "Va", 4},
        {0, " v", std::nullopt},
        {0, "z", std::nullopt},
        {0, "pressures", std::nullopt},
        {-1, "o", 0},
        {6, "o", 0},
        {0, "pressure", 1},
        {2, "pressure", 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entryStartingWith(entries, c.start, QString::fromLatin1(c.typed)), c.found)
            << "from " << c.start << " typing \"" << c.typed << '"';
    }
    EXPECT_EQ(entryStartingWith({}, 0, QStringLiteral("p")), std::nullopt);
}

}  // namespace
}  // namespace metrova::ui
