#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

const QString kBudgetTitle = u"文字数オーバー"_qs;

// The characters on each line of a text box, as its document lays them out.
QList<int> lineLengths(const QPlainTextEdit *box)
{
    QList<int> lengths;
    const QTextDocument *document = box->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block); // lays the block out
        for (int i = 0; i < block.layout()->lineCount(); ++i)
            lengths.append(block.layout()->lineAt(i).textLength());
    }
    return lengths;
}

class ComposeWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(h.start()); }

    void selectModel(const QString &name, int code)
    {
        PhoneModelList &phones = h.state().phones;
        phones.append({{name, code}});
        phones.setCurrentRow(static_cast<int>(phones.models().size()) - 1);
    }
    QString preview() { return h.ui().previewBox->toPlainText(); }
    bool isRed() { return h.ui().verticalModeButton->palette().color(QPalette::Button) == QColor(Qt::red); }

    WindowHarness h;
};

TEST_F(ComposeWindow, VerticalModeSwitchAsksAndTells)
{
    h.ui().imodeSetting->setChecked(true); // enables the button
    h.dialogs.expectMessage(u"縦書きﾓｰﾄﾞON？"_qs, u"縦書きで、i-modeメールを送信しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().verticalModeButton->click();
    EXPECT_FALSE(h.state().mail.verticalMode());
    EXPECT_FALSE(h.ui().verticalPreviewSwitch->isChecked());

    const QString notice =
        u"1.縦書きは、文字数を多く使用するので、横書きの場合より、文字数制限がきつくなります。\r\n"
        "2.半角文字は、使えません。半角文字は、全角文字に自動で調整されますがプレビューが\r\n"
        "\u3000おかしくなった場合は、半角部分を全角にしてみてください。\r\n"
        "3.署名機能は、横書き専用の為使用できませんので、手動でお書きください。\r\n\r\n"
        "※もう１度クリックすると、横書きモードになります。"_qs;
    h.dialogs.expectMessage(u"縦書きﾓｰﾄﾞON？"_qs, u"縦書きで、i-modeメールを送信しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"諸注意"_qs, notice, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .whileShown([this] { EXPECT_TRUE(h.ui().verticalPreviewSwitch->isChecked()); });
    h.ui().verticalModeButton->click();
    EXPECT_TRUE(h.state().mail.verticalMode());
    EXPECT_TRUE(isRed());
    EXPECT_FALSE(h.ui().sendImageButton->isEnabled());

    h.dialogs.expectMessage(u"横書きモード チェンジ"_qs, u"通常の横書きモードに戻します。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().verticalModeButton->click();
    EXPECT_FALSE(h.state().mail.verticalMode());
    EXPECT_FALSE(isRed());
    EXPECT_FALSE(h.ui().verticalPreviewSwitch->isChecked());
    EXPECT_TRUE(h.ui().sendImageButton->isEnabled());
}

TEST_F(ComposeWindow, TextViewFormAsksThePageBudget)
{
    // 217 characters on the P501i: one beyond its 3 pages of 72.
    const QString body(217, u'あ');
    h.setBody(body);
    h.dialogs.expectMessage(kBudgetTitle, u"1文字オーバーになるので、削除してもよろしいですか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().textViewLayoutEntry->trigger();
    EXPECT_EQ(h.body(), body);

    h.dialogs.expectMessage(kBudgetTitle, u"1文字オーバーになるので、削除してもよろしいですか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.ui().textViewLayoutEntry->trigger();
    const QStringList lines = h.body().split(u"\r\n"_qs);
    ASSERT_EQ(lines.size(), 3 * 9 + 2 + 1); // rows, separators, after the last CR LF
    EXPECT_EQ(lines.at(9), u"---次のページ---"_qs);
    EXPECT_EQ(lines.at(0), QString(8, u'あ'));
}

TEST_F(ComposeWindow, SendingFormGoesOnWithTheWholeTextOnNo)
{
    h.setBody(QString(217, u'あ'));
    h.dialogs.expectMessage(kBudgetTitle, u"1文字オーバーになるので、削除してもよろしいですか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().sendingLayoutEntry->trigger();
    EXPECT_EQ(h.body().size(), 4 * 72 + 3 * 11); // four pages, three separators
    EXPECT_FALSE(h.body().contains(u'\n'));
}

TEST_F(ComposeWindow, ForcedVerticalAndBackOnTheWorkedExample)
{
    selectModel(u"X"_qs, 503);
    h.setBody(u"あいうえ\r\nかきくけこさしすせそ"_qs);
    h.ui().sendingLayoutEntry->trigger();
    const QString f = u"\u3000"_qs;
    EXPECT_EQ(h.body(), u"しけかえあすこき"_qs + f + u"いせさく"_qs + f + u"う次のページ"_qs + f + f + f + f
                            + u"そ"_qs + QString(10, u'\u3000'));
    h.ui().horizontalEntry->trigger();
    EXPECT_EQ(h.body(), u"あいうえ\r\nかきくけこさしすせそ\r\n"_qs + (f + u"\r\n"_qs).repeated(4));
}

TEST_F(ComposeWindow, ChoosingAModelSizesTheBox)
{
    // The first model sizes the box from the start; the box is measured
    // once the preview panel shows.
    EXPECT_EQ(h.ui().previewBox->columns(), 8);
    EXPECT_EQ(h.ui().previewBox->rows(), 9);
    h.ui().imodeSetting->setChecked(true);
    h.ui().panelEntries[0]->trigger();
    const QSize p501i = h.ui().previewBox->size();
    EXPECT_EQ(p501i, h.ui().previewBox->sizeHint());

    h.ui().phoneModelList->setCurrentIndex(1); // N501i, 10 × 10
    EXPECT_GT(h.ui().previewBox->width(), p501i.width());
    EXPECT_GT(h.ui().previewBox->height(), p501i.height());
}

TEST_F(ComposeWindow, PreviewShowsThePhonesColumnsAndRows)
{
    h.ui().imodeSetting->setChecked(true);
    h.ui().panelEntries[0]->trigger(); // the preview panel
    const QPlainTextEdit *box = h.ui().previewBox;
    const struct { const char *name; int columns; int rows; } screens[] = {
        {"P501i", 8, 9}, {"wide", 20, 12}, {"narrow", 5, 4}};
    for (const auto &s : screens) {
        SCOPED_TRACE(s.name);
        selectModel(QString::fromLatin1(s.name), s.columns * 100 + s.rows);
        const int c = s.columns;
        const auto linesOf = [&](const QString &body) {
            h.setBody(body);
            return lineLengths(box);
        };
        // As the phone wraps: a row holds C full-width or 2C half-width
        // characters, and what comes next opens a row, be it a 。 or the
        // middle of a word.
        EXPECT_EQ(linesOf(QString(c, u'一')), QList<int>{c});
        EXPECT_EQ(linesOf(QString(c, u'一') + u"。"_qs), QList<int>({c, 1}));
        EXPECT_EQ(linesOf(QString(2 * c - 2, u'a') + u" bc"_qs), QList<int>({2 * c, 1}));

        // The send image of R rows shows them all, one line each; one row
        // more needs the scroll bar.
        h.setBody(QString(c * s.rows - 1, u'一'));
        h.ui().sendImageButton->click();
        QList<int> rows(s.rows, c);
        rows.back() = c - 1;
        EXPECT_EQ(lineLengths(box), rows);
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
        h.setBody(QString(c * s.rows + 1, u'一'));
        h.ui().sendImageButton->click();
        EXPECT_GT(box->verticalScrollBar()->maximum(), 0);

        // A vertical page is R rows of C, those of fillers (spaces) too.
        h.ui().verticalPreviewSwitch->setChecked(true);
        h.setBody(u"あ\r\nい"_qs);
        EXPECT_EQ(lineLengths(box), QList<int>(s.rows, c));
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
        h.ui().verticalPreviewSwitch->setChecked(false);
    }
}

TEST_F(ComposeWindow, VerticalPreviewFollowsTheModelAndNeverAsks)
{
    h.ui().verticalPreviewSwitch->setChecked(true);
    h.setBody(QString(217, u'あ')); // beyond the budget: no question while typing
    // Pages of R rows, separators between them, one line each.
    EXPECT_EQ(preview().size(), 4 * 72 + 3 * 11 + 4 * 9 + 3 - 1);
    h.ui().phoneModelList->setCurrentIndex(1); // N501i, 10 × 10
    EXPECT_EQ(preview().size(), 3 * 100 + 2 * 15 + 3 * 10 + 2 - 1);
    EXPECT_EQ(h.body(), QString(217, u'あ'));
}

TEST_F(ComposeWindow, SendImageWrapsAndAddsTheSignature)
{
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"よろしく\\nHoro"_qs;
    h.setBody(u"あいうえおかきくけ"_qs);
    h.ui().sendImageButton->click();
    EXPECT_EQ(preview(), u"あいうえおかきく\nけ\nよろしく\nHoro"_qs);
    EXPECT_EQ(h.ui().previewBox->textCursor().position(), preview().size());
    EXPECT_EQ(h.body(), u"あいうえおかきくけ"_qs);
}

TEST_F(ComposeWindow, ModelsWithoutRoomForALayoutAreRefused)
{
    const QString refusal = u"機種「Bad」の画面（4列×9行）では、縦書きにできません。\r\n"
                            "縦書きには、横5文字以上・縦1行以上の画面の機種を選んでください。"_qs;
    selectModel(u"Bad"_qs, 409);
    const QString body = u"あいう\r\nえお"_qs;
    h.setBody(body);
    for (QAction *command : {h.ui().textViewLayoutEntry, h.ui().sendingLayoutEntry, h.ui().horizontalEntry}) {
        h.dialogs.expectMessage(Dialogs::defaultTitle(), refusal, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        command->trigger();
        EXPECT_EQ(h.body(), body);
    }
    // The preview shows a note, without a box on every keystroke.
    h.ui().verticalPreviewSwitch->setChecked(true);
    h.ui().bodyField->moveCursor(QTextCursor::End);
    h.typeIntoBody(u"かき"_qs);
    EXPECT_TRUE(preview().contains(u"縦書きプレビューを表示できません"_qs));
    h.ui().verticalPreviewSwitch->setChecked(false);
    h.ui().sendImageButton->click(); // the send image still wraps at 4
    EXPECT_EQ(preview().split(u'\n').first(), u"あいう"_qs);

    selectModel(u"Zero"_qs, 0);
    EXPECT_EQ(h.ui().previewBox->columns(), 0); // a box with no room for text
    h.ui().sendImageButton->click(); // no room for a row: nothing is wrapped
    EXPECT_TRUE(preview().startsWith(u"あいう\nえおかき"_qs));
}

TEST_F(ComposeWindow, PanelCommandsAreInertWhileTheImodeSettingIsOff)
{
    for (QAction *command : h.ui().panelEntries)
        command->trigger();
    EXPECT_FALSE(h.ui().previewPanel->isVisibleTo(&h.window()));
    EXPECT_FALSE(h.ui().mailList->isVisibleTo(&h.window()));
    EXPECT_FALSE(h.ui().limitFlagsPanel->isVisibleTo(&h.window()));

    h.ui().imodeSetting->setChecked(true);
    h.ui().panelEntries[0]->trigger();
    EXPECT_TRUE(h.ui().previewPanel->isVisibleTo(&h.window()));
    h.ui().panelEntries[1]->trigger();
    EXPECT_TRUE(h.ui().mailList->isVisibleTo(&h.window()));
    h.ui().panelEntries[1]->trigger();
    EXPECT_FALSE(h.ui().mailList->isVisibleTo(&h.window()));
    h.ui().panelEntries[2]->trigger();
    EXPECT_TRUE(h.ui().limitFlagsPanel->isVisibleTo(&h.window()));
}

} // namespace
