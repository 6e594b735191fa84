#include "core/pictograph/EmojiSources.h"
#include "core/pictograph/PaletteEntries.h"
#include "core/pictograph/RegistrationEntry.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString kSun = u"\uE63E"_qs;      // F89F
const QString kKeycapHash = u"\uE6E0"_qs; // F985

// Lines in the file's layout: emoji;DoCoMo;KDDI;SoftBank.
const QString kSample = u"# comment\n"
                        u"0023 20E3;F985;F489;F7B0\n"
                        u"2002;;F7AA;\n"        // no DoCoMo code
                        u"2600;F89F;F660;F98B # sun\n"
                        u"zz;F8A0;;\n"          // not a code point
                        u"2601;F8A0;F665;F98A\n"_qs;

TEST(EmojiSources, ParsesTheDocomoColumnBothWays)
{
    const EmojiSources table = EmojiSources::parse(kSample);
    EXPECT_EQ(table.size(), 3);
    EXPECT_EQ(table.emojiFor(kSun), u"\u2600"_qs);
    EXPECT_EQ(table.emojiFor(kKeycapHash), u"#\u20E3"_qs);
    EXPECT_EQ(table.emojiFor(u"\uE63F"_qs), u"\u2601"_qs);
    EXPECT_FALSE(table.emojiFor(u"\uE640"_qs));

    struct Row {
        QString emoji;
        std::optional<QString> pictograph;
    };
    const Row rows[] = {
        {u"\u2600"_qs, kSun},
        {u"\u2600\uFE0F"_qs, kSun},      // emoji presentation
        {u"\u2600\uFE0E"_qs, kSun},      // text presentation
        {u"#\uFE0F\u20E3"_qs, kKeycapHash}, // a keycap as keyboards type it
        {u"#\u20E3"_qs, kKeycapHash},
        {u"#"_qs, std::nullopt},
        {u"\u2002"_qs, std::nullopt},    // only other carriers have it
        {u"\U0001F600"_qs, std::nullopt},
    };
    for (const Row &r : rows)
        EXPECT_EQ(table.pictographFor(r.emoji), r.pictograph) << qPrintable(r.emoji);
}

// The system's file, which the program's table is built from.
QString systemFile()
{
    QFile file(QString::fromUtf8(HORONAMI_EMOJI_SOURCES));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << HORONAMI_EMOJI_SOURCES;
    return QString::fromUtf8(file.readAll());
}

TEST(EmojiSources, BuiltInTableHasEveryDocomoCodeOfTheSystemFile)
{
    const QString text = systemFile();
    static const QRegularExpression docomoLine(u"^[0-9A-F ]+;([0-9A-F]{4});"_qs,
                                               QRegularExpression::MultilineOption);
    int lines = 0;
    for (auto it = docomoLine.globalMatch(text); it.hasNext(); it.next())
        ++lines;
    ASSERT_GT(lines, 200);
    EXPECT_EQ(EmojiSources::builtIn().size(), lines);
    EXPECT_EQ(EmojiSources::builtIn().pictographFor(u"\u2600\uFE0F"_qs), kSun);
}

TEST(PaletteEntries, ShowEverySelectorPictographWithItsEmojiNameAndKeyword)
{
    const EmojiSources &emoji = EmojiSources::builtIn();
    const QList<PaletteEntry> entries =
        paletteEntries(emoji, {{u"x"_qs, u"other"_qs}, {kSun, u"hare"_qs}, {kSun, u"later"_qs}});
    ASSERT_EQ(entries.size(), registration::kSelectorMaximum); // 207 values, one without character
    const PaletteEntry &sun = entries.first();
    EXPECT_EQ(sun.symbol, kSun);
    EXPECT_EQ(sun.code, u"F89F"_qs);
    EXPECT_EQ(sun.emojiName, u"BLACK SUN WITH RAYS"_qs);
    EXPECT_EQ(sun.japaneseName, u"太陽"_qs);
    EXPECT_EQ(sun.keyword, u"hare"_qs); // the first definition of the symbol
    EXPECT_EQ(sun.toolTip(), u"F89F  太陽  BLACK SUN WITH RAYS  キーワード: hare"_qs);
    EXPECT_EQ(entries.last().code, u"F9B0"_qs);

    int pictures = 0;
    for (const PaletteEntry &e : entries) {
        EXPECT_EQ(e.hasPicture(), emoji.emojiFor(e.symbol).has_value()) << qPrintable(e.code);
        // CLDR names every emoji of a pictograph, keycaps and sequences too.
        EXPECT_EQ(e.japaneseName.isEmpty(), !e.hasPicture()) << qPrintable(e.code);
        pictures += e.hasPicture();
        if (!e.hasPicture()) {
            EXPECT_EQ(e.toolTip(), e.code);
        }
    }
    EXPECT_EQ(JapaneseEmojiNames::builtIn().nameOf(u"#\uFE0F\u20E3"_qs), u"囲み数字: #"_qs);
    // Some codes of the range have no standard emoji: they show their code.
    EXPECT_GT(pictures, 150);
    EXPECT_LT(pictures, entries.size());
}

} // namespace
