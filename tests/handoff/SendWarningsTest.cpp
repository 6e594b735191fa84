#include "core/handoff/SendWarnings.h"

#include <gtest/gtest.h>

namespace {

const QString noTo = u"・宛先が未記入です。\r\n"_qs;
const QString noSubject = u"・タイトルが未記入です。(全角15文字以内)\r\n"_qs;
const QString noBody = u"・内容が未記入です。（全角250文字以内）\r\n"_qs;
const QString pictographTail = u"の絵文字が使われています。文字化けを起こす可能性があります。\r\n"_qs;

TEST(SendWarnings, ListsEmptyFieldsInOrder)
{
    struct Row {
        const char16_t *to, *subject, *body;
        QString expected;
    };
    const Row rows[] = {
        {u"", u"", u"", noTo + noSubject + noBody},
        {u"a@b", u"", u"x", noSubject},
        {u"", u"s", u"", noTo + noBody},
        {u"a@b", u"s", u"x", QString()},
    };
    for (const Row &row : rows) {
        QString used;
        EXPECT_EQ(sendwarnings::collect(row.to, row.subject, row.body, used), row.expected)
            << QString::fromUtf16(row.to).toStdString();
    }
    // The question leaves a blank line between the warnings and the question.
    EXPECT_EQ(sendwarnings::questionText(noTo + noSubject + noBody),
              noTo + noSubject + noBody + u"\r\n本当に送信してもいいんですか？"_qs);
    EXPECT_EQ(sendwarnings::questionTitle(), u"ほんとに？"_qs);
}

TEST(SendWarnings, PrunesPictographsNoLongerInTheBody)
{
    // U+E63E..U+E641 are i-mode pictographs (private use); 😀 and 😁 are
    // surrogate pairs sharing their high half.
    struct Row {
        QString used, body, kept;
    };
    const Row rows[] = {
        {u"\uE63E\uE63F\uE640"_qs, u"a\uE640b\uE63E"_qs, u"\uE63E\uE640"_qs},
        // Neighbouring removals: the walk stays where it removed.
        {u"\uE63F\uE63F\uE641\uE63E"_qs, u"\uE63E"_qs, u"\uE63E"_qs},
        {u"\uE63E\uE63E"_qs, u"\uE63E"_qs, u"\uE63E\uE63E"_qs},
        {u"\uE63F"_qs, u"text"_qs, QString()},
        {u"😀x"_qs, u"😀"_qs, u"😀"_qs},
        // A pair goes whole, even when the body holds its high half elsewhere.
        {u"😀\uE63E"_qs, u"😁\uE63E"_qs, u"\uE63E"_qs},
    };
    for (const Row &row : rows) {
        QString used = row.used;
        const QString warnings = sendwarnings::collect(u"a@b", u"s", row.body, used);
        EXPECT_EQ(used, row.kept) << row.used.toStdString();
        EXPECT_EQ(warnings, row.kept.isEmpty() ? QString() : row.kept + pictographTail);
    }
}

TEST(SendWarnings, PictographWarningComesLast)
{
    QString used = u"\uE63E"_qs;
    EXPECT_EQ(sendwarnings::collect(u"", u"s", u"\uE63E", used),
              noTo + u"\uE63E"_qs + pictographTail);
}

} // namespace
