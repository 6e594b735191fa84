#include "core/compose/LimitedCount.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

double countAll(QStringView body, const CountFlags &flags)
{
    LimitedCount run(static_cast<int>(body.size()));
    while (!run.finished())
        run.step(body, flags);
    return run.count();
}

// The flags by their numbers 0–5 and 7.
CountFlags flags(std::initializer_list<int> set)
{
    auto on = [&](int n) { return std::find(set.begin(), set.end(), n) != set.end(); };
    return {on(0), on(1), on(2), on(3), on(4), on(5), on(7)};
}

TEST(LimitedCount, CountsWhatTheFlagsLeave)
{
    struct Row { const char16_t *body; std::initializer_list<int> flags; double count; };
    const Row rows[] = {
        {u"abcde", {}, 5},
        {u"", {0, 1, 2, 3, 4, 5, 7}, 0},
        {u"abあ", {7}, 2},
        {u"a<b>c", {4}, 2},
        {u"a<bcdef", {4}, 1},              // an unclosed "<" skips the rest
        {u"a>b", {4}, 3},                  // ">" outside a tag counts
        {u"a＜b＞c", {4}, 5},              // only the half-width signs make a tag
        {u"a\r\nb", {1}, 2},
        {u"a\r\nb", {}, 4},
        {u"a\r\nb", {7}, 2},
        {u"a b\t\u3000c", {0}, 3},
        {u"a.b,c、d。", {2}, 4},
        {u"a．b", {2}, 3},                 // the full-width period is not in the list
        {u"「a」[b](c)（d）｛e｝{f}", {3}, 6},
        {u"xHoroy", {5}, 2},
        {u"SuperHorology", {5}, 9},        // inside a longer word too
        {u"abHor", {5}, 5},                // shorter than the word at the end
        {u"horo", {5}, 4},                 // the word is case-sensitive
        {u"<Horo>Horo", {4, 5}, 0},
        {u"\r\n<a\r\nb>c", {1, 4}, 1},      // inside a tag nothing counts
        {u"\U0001F600", {}, 1},            // one character in two units
        {u"\U0001F600", {7}, 0.5},         // carried as one "?"
    };
    for (const Row &r : rows)
        EXPECT_DOUBLE_EQ(countAll(r.body, flags(r.flags)), r.count) << QString::fromUtf16(r.body).toStdString();
}

TEST(LimitedCount, ReadsTheFlagsAtEachCharacter)
{
    const QString body = u"a b c"_qs;
    LimitedCount run(static_cast<int>(body.size()));
    run.step(body, flags({}));
    run.step(body, flags({})); // the first space counts
    run.step(body, flags({0}));
    run.step(body, flags({0})); // the second does not
    run.step(body, flags({7})); // "c" counts half
    EXPECT_TRUE(run.finished());
    EXPECT_DOUBLE_EQ(run.count(), 3.5);
}

TEST(LimitedCount, StaysInATagWhenTheFlagIsClearedMeanwhile)
{
    const QString body = u"<ab>c"_qs;
    LimitedCount run(static_cast<int>(body.size()));
    run.step(body, flags({4}));
    EXPECT_TRUE(run.inTag());
    while (!run.finished())
        run.step(body, flags({}));
    EXPECT_FALSE(run.inTag());
    EXPECT_DOUBLE_EQ(run.count(), 1);
}

TEST(LimitedCount, ReadsTheBodyAsItIsNow)
{
    LimitedCount run(5);
    run.step(u"abcde", flags({}));
    run.step(u"abcde", flags({}));
    // The user deleted text while the command ran: the positions the body no
    // longer reaches count nothing, and the run still ends after n steps.
    run.step(u"ab", flags({}));
    run.step(u"ab", flags({}));
    EXPECT_FALSE(run.finished());
    run.step(u"abあいう", flags({}));
    EXPECT_TRUE(run.finished());
    EXPECT_DOUBLE_EQ(run.count(), 3);
}

TEST(LimitedCount, ProgressInWholePercent)
{
    const QString body = u"xHoroyz"_qs;
    LimitedCount run(static_cast<int>(body.size()));
    EXPECT_EQ(run.progress(), 0);
    run.step(body, flags({5}));
    EXPECT_EQ(run.progress(), 14); // 1 of 7
    run.step(body, flags({5}));    // the word: 5 of 7
    EXPECT_EQ(run.progress(), 71);
    run.step(body, flags({5}));
    run.step(body, flags({5}));
    EXPECT_TRUE(run.finished());
    EXPECT_EQ(run.progress(), 100);
    EXPECT_DOUBLE_EQ(run.count(), 3);

    // A word that runs past the starting size does not go beyond 100.
    LimitedCount grown(2);
    grown.step(u"aHoro", flags({5}));
    grown.step(u"aHoro", flags({5}));
    EXPECT_TRUE(grown.finished());
    EXPECT_EQ(grown.progress(), 100);
}

TEST(LimitedCount, Message)
{
    EXPECT_EQ(limitedCountMessage(5, 5), u"大きさは、5です。\r\n制限付き文字数は、5文字です。"_qs);
    EXPECT_EQ(limitedCountMessage(13, 12.5), u"大きさは、13です。\r\n制限付き文字数は、12.5文字です。"_qs);
}

} // namespace
