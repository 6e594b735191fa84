#include "core/pictograph/SearchTexts.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Search texts and texts drawn from a three-letter alphabet share prefixes,
// suffixes and repeats in every way; each answer is checked against a
// plain search at every position.
TEST(SearchTexts, AgreesWithAPlainSearchAtEveryPosition)
{
    std::mt19937 random(22);
    const auto pick = [&random](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
    const auto draw = [&](int longest) {
        QString s;
        for (int n = pick(longest); n > 0; --n)
            s += QChar(u"ab\\"[pick(2)]);
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        QStringList texts;
        for (int n = pick(6); n > 0; --n)
            texts.append(draw(5)); // empty ones and equal ones included
        const QString text = draw(40);
        const qsizetype from = pick(static_cast<int>(text.size()) + 1);
        const SearchTexts search(texts);

        const std::vector<int> first = search.firstStartingAt(text);
        ASSERT_EQ(first.size(), static_cast<std::size_t>(text.size()));
        for (qsizetype at = 0; at < text.size(); ++at) {
            int expected = -1;
            for (qsizetype t = 0; t < texts.size() && expected < 0; ++t) {
                if (!texts[t].isEmpty() && QStringView(text).sliced(at).startsWith(texts[t]))
                    expected = static_cast<int>(t);
            }
            ASSERT_EQ(first[static_cast<std::size_t>(at)], expected) << "round " << round << " at " << at;
        }

        const std::vector<qsizetype> occurrences = search.firstOccurrences(text, from);
        ASSERT_EQ(occurrences.size(), static_cast<std::size_t>(texts.size()));
        for (qsizetype t = 0; t < texts.size(); ++t) {
            const qsizetype expected = texts[t].isEmpty() ? -1 : text.indexOf(texts[t], from);
            ASSERT_EQ(occurrences[static_cast<std::size_t>(t)], expected) << "round " << round << " text " << t;
        }
    }
}

} // namespace
