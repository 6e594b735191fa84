#include "core/compose/PhoneModel.h"
#include "core/compose/Vertical.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const QString kFiller(1, QChar(kVerticalFiller));

QString fillers(int n) { return QString(n, QChar(kVerticalFiller)); }

VerticalGeometry geometry(int columns, int rows)
{
    const auto g = VerticalGeometry::of(columns, rows);
    if (!g)
        throw std::logic_error("test geometry refused");
    return *g;
}

VerticalGeometry geometry(const PhoneModel &model) { return geometry(model.columns(), model.rows()); }

const PhoneModel &p501i() { return builtInPhoneModels()[0]; }
const PhoneModel &n501i() { return builtInPhoneModels()[1]; }

// The layout of a body without cutting it, as the sending form goes on
// after a No.
QString layout(QStringView body, const VerticalGeometry &g, VerticalForm form)
{
    return renderVertical(prepareVertical(body, g).text, g, form);
}

// C = 5, R = 3: あいうえ CR LF かきくけこさしすせそ.
const QString kExampleBody = u"あいうえ\r\nかきくけこさしすせそ"_qs;

TEST(Vertical, WorkedExampleTextView)
{
    const VerticalGeometry g = geometry(5, 3);
    const PreparedLayout s = prepareVertical(kExampleBody, g);
    EXPECT_EQ(s.text, u"あいうえ"_qs + fillers(2) + u"かきくけこさしすせそ"_qs);
    EXPECT_EQ(s.budget, 180);
    EXPECT_EQ(s.excess(), 0);

    const QString expected = u"しけかえあ\r\n"
                             u"すこき　い\r\n"
                             u"せさく　う\r\n"
                             u"次のページ\r\n"
                             u"　　　　そ\r\n"
                             u"　　　　　\r\n"
                             u"　　　　　\r\n"_qs;
    EXPECT_EQ(renderVertical(s.text, g, VerticalForm::TextView), expected);
    const QString sending = renderVertical(s.text, g, VerticalForm::Sending);
    EXPECT_EQ(sending, QString(expected).remove(u"\r\n"_qs));
    EXPECT_EQ(renderVertical(s.text, g, VerticalForm::Preview), expected.chopped(2));
}

TEST(Vertical, WorkedExampleBack)
{
    const QString sending = u"しけかえあすこき　いせさく　う次のページ　　　　そ　　　　　　　　　　"_qs;
    // The fallback geometry must not matter: the separator gives C = 5, R = 3.
    const QString expected = u"あいうえ\r\nかきくけこさしすせ"
                             u"そ\r\n"
                             u"　\r\n　\r\n　\r\n　\r\n"_qs;
    EXPECT_EQ(fromVertical(sending, 8, 9), expected);
}

TEST(Vertical, LoneLineBreakOnP501iIsOneEmptyPage)
{
    const VerticalGeometry g = geometry(p501i());
    EXPECT_EQ(prepareVertical(u"\r\n", g).text, QString());
    EXPECT_EQ(layout(u"\r\n", g, VerticalForm::Sending), fillers(72));
    EXPECT_EQ(layout(QString(), g, VerticalForm::Sending), fillers(72));
}

TEST(Vertical, TabIsFourFillersEvenAcrossAColumnEnd)
{
    // Seven characters and a TAB run two fillers into column 2 (R = 9); the
    // break after it fills column 2 from there: 9 − (11 mod 9) = 7.
    const VerticalGeometry g = geometry(p501i());
    EXPECT_EQ(prepareVertical(u"一二三四五六七\t\r\nx", g).text,
              u"一二三四五六七"_qs + fillers(4) + fillers(7) + u"ｘ"_qs);
}

TEST(Vertical, LineBreakFillersFollowTheColumn)
{
    const VerticalGeometry g = geometry(5, 3);
    struct Row { const char16_t *body; QString prepared; };
    const Row rows[] = {
        {u"あ\r\nい", u"あ"_qs + fillers(2) + u"い"_qs},
        {u"あい\r\nう", u"あい"_qs + fillers(1) + u"う"_qs},
        {u"あいう\r\nえ", u"あいうえ"_qs},                    // at a column boundary: no trace
        {u"あ\r\n\r\nい", u"あ"_qs + fillers(2) + u"い"_qs},  // the second break starts a column
        {u"あ\rい\nう", u"あ\rい\nう"_qs},                    // lone CR and LF are not breaks
    };
    for (const Row &r : rows)
        EXPECT_EQ(prepareVertical(r.body, g).text, r.prepared) << QString::fromUtf16(r.body).toStdString();
}

TEST(Vertical, LongVowelSignStandsUpAndComesBack)
{
    const VerticalGeometry g = geometry(p501i());
    EXPECT_EQ(prepareVertical(u"ラーメン", g).text, u"ラ｜メン"_qs);
    const QString sending = layout(u"ラーメン", g, VerticalForm::Sending);
    EXPECT_EQ(sending.first(16), fillers(7) + u"ラ"_qs + fillers(7) + u"｜"_qs);
    // Back, with the seven empty columns as fillers and breaks.
    EXPECT_EQ(fromVertical(sending, 8, 9), u"ラーメン\r\n"_qs + (kFiller + u"\r\n"_qs).repeated(7));
}

TEST(Vertical, ToFullWidth)
{
    struct Row { const char16_t *in; const char16_t *out; };
    const Row rows[] = {
        {u"ｶﾞｷﾞ", u"ガギ"},
        {u"ﾞ", u"゛"},
        {u"ｱﾞ", u"ア゛"}, // no voiced ア in code page 932
        {u"abc 1?", u"ａｂｃ　１？"},
        {u"ｰ", u"ー"},
        {u"a\r\n\tb", u"ａ\r\n\tｂ"},
        // Characters a mail carries as "?" take one full cell each.
        {u"\u00E9\U0001F600x", u"？？ｘ"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(toFullWidth(r.in), QString::fromUtf16(r.out)) << QString::fromUtf16(r.in).toStdString();
}

TEST(Vertical, BudgetOnP501iAsksForTheExcessAndCutsToThreePages)
{
    const VerticalGeometry g = geometry(p501i());
    EXPECT_EQ(g.budget(), 216);
    PreparedLayout s = prepareVertical(QString(217, u'字'), g);
    EXPECT_EQ(s.excess(), 1);
    EXPECT_EQ(verticalBudgetQuestion(s.excess()), u"1文字オーバーになるので、削除してもよろしいですか？"_qs);
    EXPECT_EQ(verticalBudgetTitle(), u"文字数オーバー"_qs);

    EXPECT_EQ(renderVertical(s.text, g, VerticalForm::Sending).count(u"次のページ"_qs), 3); // No
    s.cutToBudget();
    const QString cut = renderVertical(s.text, g, VerticalForm::Sending);
    EXPECT_EQ(cut.count(u"次のページ"_qs), 2);
    EXPECT_EQ(cut.size(), 216 + 2 * 11);
}

TEST(Vertical, SeparatorIsOneScreenRow)
{
    EXPECT_EQ(geometry(p501i()).separator(), u"---次のページ---"_qs);
    EXPECT_EQ(geometry(n501i()).separator(), u"-----次のページ-----"_qs);
    EXPECT_EQ(geometry(5, 3).separator(), u"次のページ"_qs);
}

TEST(Vertical, ScreensTooSmallAreRefused)
{
    for (const int code : {409, 800, 0, -809})
        EXPECT_FALSE(VerticalGeometry::of(PhoneModel{u"X"_qs, code})) << code;
    EXPECT_FALSE(VerticalGeometry::of(100, 9));
    EXPECT_TRUE(VerticalGeometry::of(5, 1));
}

TEST(Vertical, FromVerticalIsSafeOnAnyGeometry)
{
    struct Row { const char16_t *text; int columns; int rows; };
    const Row rows[] = {
        {u"あいう", 0, 0},            // no model geometry
        {u"う", 2000000000, 2000000000}, // one cell of a huge screen
        {u"次のページ", 8, 9},        // R = (1 − 0 − 1) ÷ 5 = 0
        {u"あ次のページ-----", 8, 9}, // R = (2 − 5 − 1) ÷ 10 < 0
    };
    for (const Row &r : rows)
        EXPECT_EQ(fromVertical(r.text, r.columns, r.rows), QString::fromUtf16(r.text));
}

TEST(Vertical, FromVerticalTakesTheGeometryFromTheSeparator)
{
    // R = (1-based position of the word − hyphens − 1) ÷ C, halves to even;
    // the hyphens after the word and as many characters before it go.
    struct Row { const char16_t *text; const char16_t *back; };
    const Row rows[] = {
        {u"ABCDE次のページ", u"EDCBA"},                  // 5 ÷ 5 = 1
        {u"ABCDEFGHIJKL次のページ", u"EJDICHBGAFLK"},    // 12 ÷ 5 = 2.4 → 2
        {u"ABCDEFGHIJKLM次のページ", u"EJDICHMBGLAFK"},  // 13 ÷ 5 = 2.6 → 3
        {u"ABCDEFGHIJ次のページ-", u"FEDCIBHAG"},        // 9 ÷ 6 = 1.5 → 2
        {u"ABCDEFGHIJKLMNOP次のページ-", u"FLEKDJCIBHAGONM"}, // 15 ÷ 6 = 2.5 → 2
        {u"ABCD次のページ-", u"ABCD次のページ-"},        // 3 ÷ 6 = 0.5 → 0: no room
    };
    for (const Row &r : rows)
        EXPECT_EQ(fromVertical(r.text, 8, 9), QString::fromUtf16(r.back)) << QString::fromUtf16(r.text).toStdString();
}

// What fromVertical(toVertical(x)) gives for text of full-width characters
// without fillers or "｜" and with CR LF breaks: each break comes back as
// CR LF, as one filler when it left one filler at the foot of its column,
// or not at all when it fell on a column boundary.
QString expectedBack(QStringView wide, int rows)
{
    QString out;
    qsizetype p = 0;
    for (qsizetype i = 0; i < wide.size(); ++i) {
        if (wide[i] == u'\r' && i + 1 < wide.size() && wide[i + 1] == u'\n') {
            const qsizetype fill = (rows - p % rows) % rows;
            if (fill == 1)
                out += kFiller;
            else if (fill > 1)
                out += u"\r\n";
            p += fill;
            ++i;
        } else {
            out += wide[i];
            ++p;
        }
    }
    return out;
}

// The empty columns of a short last page come back as fillers and breaks.
QString withoutTail(QString text)
{
    for (;;) {
        if (text.endsWith(kFiller))
            text.chop(1);
        else if (text.endsWith(u"\r\n"_qs))
            text.chop(2);
        else
            return text;
    }
}

QString randomBody(std::mt19937 &rng, int length)
{
    static const QString alphabet =
        u"あいうえおかきくけこがぎさしアイウカガキーン漢字日本語東京abcXYZ019ｱｲｳｶﾞﾊﾟｰ!?#"_qs;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> breakChance(0, 9);
    QString body;
    for (int i = 0; i < length; ++i) {
        if (breakChance(rng) == 0)
            body += u"\r\n";
        else
            body += alphabet[pick(rng)];
    }
    return body;
}

TEST(Vertical, RoundTripLosesOnlyWhatIsDocumented)
{
    std::mt19937 rng(20261207);
    std::vector<std::pair<int, int>> screens;
    for (const PhoneModel &m : builtInPhoneModels())
        screens.emplace_back(m.columns(), m.rows());
    screens.emplace_back(5, 1);
    screens.emplace_back(5, 2);
    screens.emplace_back(12, 3);
    std::uniform_int_distribution<int> length(0, 260);
    for (const auto &[columns, rows] : screens) {
        const VerticalGeometry g = geometry(columns, rows);
        for (int round = 0; round < 60; ++round) {
            const QString body = randomBody(rng, length(rng));
            const QString sending = layout(body, g, VerticalForm::Sending);
            const QString back = fromVertical(sending, columns, rows);
            ASSERT_EQ(withoutTail(back), withoutTail(expectedBack(toFullWidth(body), rows)))
                << columns << "x" << rows << ": " << body.toStdString();
            // A single page in text-view form reads the same.
            if (!sending.contains(u"次のページ"_qs)) {
                ASSERT_EQ(fromVertical(layout(body, g, VerticalForm::TextView), columns, rows), back);
            }
        }
    }
}

} // namespace
