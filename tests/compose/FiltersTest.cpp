#include "core/compose/BodyText.h"
#include "core/compose/Filters.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const FilterEntry &entry(int index) { return filterEntries().at(static_cast<std::size_t>(index)); }

// What the menu command does: replace the first occurrence, search again
// from the start, until none is left.
QString searchFromTheStart(QString body, const FilterEntry &e)
{
    for (qsizetype at = body.indexOf(e.find); at >= 0; at = body.indexOf(e.find))
        body.replace(at, e.find.size(), e.replacement);
    return body;
}

TEST(Filters, EntriesReplaceTheirCharacters)
{
    struct Row { int entry; const char16_t *body; const char16_t *result; };
    const Row rows[] = {
        {0, u"a\r\nb", u"ab"},
        {0, u"a\r\r\n\nb", u"ab"},          // the pair that forms is removed too
        {0, u"a\rb\nc", u"a\rb\nc"},         // lone CR and LF stay
        {1, u"→a→", u">a>"},
        {2, u"←←", u"<<"},
        {3, u"↑", u"\\"},
        {4, u"2×3", u"2x3"},
        {5, u"a b\u3000c  d", u"ab\u3000cd"}, // ideographic spaces stay
        {6, u"ＡＢＣ\u3000カ（ガ）あ", u"ABC ｶ(ｶﾞ)あ"},
        {7, u"(a)（b）", u"a)（b）"},
        {8, u"(a)（b）", u"(a（b）"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(applyFilter(r.body, entry(r.entry)), QString::fromUtf16(r.result))
            << r.entry << ": " << QString::fromUtf16(r.body).toStdString();
}

TEST(Filters, OnePassGivesWhatSearchingFromTheStartGives)
{
    std::mt19937 rng(7);
    const QString alphabet = u"\r\n\r\n a→←↑×()（あ"_qs;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 300; ++round) {
        QString body;
        for (int n = length(rng); n > 0; --n)
            body += alphabet[pick(rng)];
        for (int i = 0; i < 9; ++i) {
            const FilterEntry &e = entry(i);
            if (e.kind != FilterEntry::Kind::Replace)
                continue;
            const QString filtered = applyFilter(body, e);
            ASSERT_EQ(filtered, searchFromTheStart(body, e)) << i << ": " << body.toStdString();
            ASSERT_FALSE(filtered.contains(e.find));
        }
    }
}

// An entry that keeps the breaks gives the same text run on the field's
// form (one LF per break) as on the body's (CR LF); only "改行抜き" does not.
TEST(Filters, EntriesThatKeepBreaksRunOnTheFieldsForm)
{
    const QString field = u"（あ）\u3000→ ab\n\n←↑×( ＡＢ１\nｶﾞ)"_qs;
    for (int i = 0; i < 9; ++i) {
        const FilterEntry &e = entry(i);
        ASSERT_EQ(keepsLineBreaks(e), i != 0) << i;
        if (keepsLineBreaks(e)) {
            EXPECT_EQ(applyFilter(field, e), bodytext::toField(applyFilter(bodytext::toBody(field), e))) << i;
        }
    }
}

TEST(Filters, EntriesThatWouldNeverEndLeaveTheBody)
{
    const FilterEntry selfFeeding{u"x"_qs, FilterEntry::Kind::Replace, u"a"_qs, u"aa"_qs};
    EXPECT_EQ(applyFilter(u"banana", selfFeeding), u"banana"_qs);
    const FilterEntry nothing{u"x"_qs, FilterEntry::Kind::Replace, QString(), u"a"_qs};
    EXPECT_EQ(applyFilter(u"banana", nothing), u"banana"_qs);
}

TEST(Filters, CmeroRunsAllNineInOrder)
{
    QString body = u"（あ）\u3000→"_qs;
    for (const int i : kCmeroOrder)
        body = applyFilter(body, entry(i));
    EXPECT_EQ(body, u"あ >"_qs);
}

} // namespace
