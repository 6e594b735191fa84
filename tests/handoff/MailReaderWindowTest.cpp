#include "gui/handoff/HandoffContext.h"
#include "WindowFixtures.h"

#include "gui/compose/BodyEdit.h"
#include "core/compose/PhoneModel.h"
#include "core/compose/Vertical.h"
#include "core/handoff/MailListModel.h"
#include "core/handoff/MailboxReader.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTextLayout>
#include <QtMath>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kNoData = u"書きかけのデータは、ないようです。"_qs;
const QString kNoFile = u"BECKY側の草稿データがないか、設定が間違っている可能性があります。"_qs;

// A record Becky wrote itself: no "Horonami" anywhere.
const QByteArray kBeckyDraft = "From:me@isp.example.jp\r\nTo:x@y.jp\r\nSubject:Becky\r\n"
                               "X-Mailer: Becky! ver. 1.26\r\n\r\nBecky body\r\n.\r\n";

QByteArray logRecord(const MailFields &fields, bool vertical)
{
    const QDateTime when(QDate(2001, 5, 12), QTime(14, 3, 22));
    return mailrecord::bytes(
        mailrecord::forLog(mailrecord::build(fields), mailrecord::logDate(when), vertical));
}

MailListModel &model(WindowHarness &h) { return *static_cast<MailListModel *>(h.ui().mailList->model()); }

QStringList subjects(WindowHarness &h)
{
    QStringList list;
    for (int row = 1; row < model(h).rowCount(); ++row)
        list.append(model(h).record(row).subject);
    return list;
}

void clickRow(WindowHarness &h, int row)
{
    QListView *list = h.ui().mailList;
    const QRect rect = list->visualRect(model(h).index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    h.dialogs.verifyAllShown();
}

TEST(MailReader, DraftsListOnlyOwnRecordsNewestFirstAndUpdateTheirHalfOfTheLabel)
{
    WindowHarness h;
    h.folder.writeBytes(u"becky/User0/OutBox/Draft.mbx"_qs,
                        recordBytes(fieldsFrom(u"a@docomo.ne.jp"_qs, u"古い"_qs, u"一\r\n二"_qs)) + kBeckyDraft
                            + recordBytes(fieldsFrom(u"b@docomo.ne.jp"_qs, u"新しい"_qs, u"三"_qs)));
    h.folder.writeText(u"OutPutLog.mbx"_qs, QString());
    h.folder.writeText(u"Horo.ini"_qs, u"LogD=草稿：9_ログ：7\r\n"_qs);
    ASSERT_TRUE(startImode(h));
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：9_ログ：7"_qs);
    h.ui().listDraftsEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(model(h).index(0).data().toString(), mailboxreader::headerRow());
    EXPECT_EQ(subjects(h), (QStringList{u"新しい"_qs, u"古い"_qs}));
    EXPECT_EQ(model(h).index(2).data().toString(),
              u"古い\t|a@docomo.ne.jp\t|\t|me@docomo.ne.jp\t|一 二 "_qs);
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：2_ログ：7"_qs);
    EXPECT_TRUE(h.ui().mailList->isVisible());

    // An empty log is reported; the list keeps only its header row.
    h.dialogs.expectMessage(Dialogs::defaultTitle(), kNoData, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().listLogEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(model(h).rowCount(), 1);
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：2_ログ：7"_qs);

    h.folder.writeBytes(u"OutPutLog.mbx"_qs, kBeckyDraft + kBeckyDraft + kBeckyDraft);
    h.ui().listLogEntry->trigger();
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：2_ログ：3"_qs);
}

TEST(MailReader, ADamagedLogIsListedAsFarAsItCanBeRead)
{
    WindowHarness h;
    // Invalid Shift-JIS bytes, a body line of two megabytes, and a last
    // record cut off before its "." line.
    const QByteArray damaged = "Subject:\x82\xff\x80\r\n\r\n" + QByteArray(2 << 20, 'x') + "\r\n.\r\n"
                               + "Subject:cut\r\n\r\nno end";
    h.folder.writeBytes(u"OutPutLog.mbx"_qs, damaged);
    ASSERT_TRUE(startImode(h));
    h.ui().listLogEntry->trigger();
    h.dialogs.verifyAllShown();
    ASSERT_EQ(model(h).recordCount(), 1);
    EXPECT_EQ(model(h).record(1).body.size(), (2 << 20) + 2);
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：0_ログ：1"_qs);
}

TEST(MailReader, MissingMailboxesAreReported)
{
    WindowHarness h;
    ASSERT_TRUE(startImode(h));
    h.dialogs.expectMessage(Dialogs::defaultTitle(), kNoFile, Dialogs::Buttons::Ok, Dialogs::Icon::None).expectMessage(Dialogs::defaultTitle(), kNoFile, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().listDraftsEntry->trigger();
    h.ui().listLogEntry->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(model(h).rowCount(), 1);
    EXPECT_FALSE(h.ui().mailList->isVisible());
    EXPECT_EQ(h.ui().mailCountsLabel->text(), u"草稿：0_ログ：0"_qs);
}

TEST(MailReader, LoadingAskFirstForAnEditedBodyThenFillsTheMailAndItsSendingAddress)
{
    WindowHarness h;
    h.folder.writeText(u"addr.adr"_qs, u"花子@docomo.ne.jp\r\n"_qs);
    // The list's column separator, TAB "|", inside the subject and the body
    // is text like any other.
    MailFields fields = fieldsFrom(u"花子@docomo.ne.jp"_qs, u"題\t|副"_qs, u"一\t|表\r\n\r\n二"_qs);
    fields.from = u"me@isp.example.jp"_qs;
    h.folder.writeBytes(u"OutPutLog.mbx"_qs, logRecord(fields, false));
    ASSERT_TRUE(startImode(h));
    h.ui().listLogEntry->trigger();
    h.typeIntoBody(u"書きかけ"_qs);

    h.dialogs.expectMessage(u"保存した？"_qs, u"現在の編集内容が破棄されますがよろしいですか？"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    clickRow(h, 1);
    EXPECT_EQ(h.body(), u"書きかけ"_qs);

    h.dialogs.expectMessage(u"保存した？"_qs, u"現在の編集内容が破棄されますがよろしいですか？"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    clickRow(h, 1);
    EXPECT_EQ(h.body(), u"一\t|表\r\n\r\n二"_qs); // as written
    EXPECT_EQ(h.ui().subjectField->text(), u"題\t|副"_qs);
    EXPECT_EQ(h.ui().toField->currentText(), u"花子@docomo.ne.jp"_qs);
    EXPECT_EQ(h.state().accounts.sendingAddressIndex(), 1);
    EXPECT_FALSE(h.ui().sendingAddressEntries()[0]->isChecked());
    EXPECT_TRUE(h.ui().sendingAddressEntries()[1]->isChecked());
    EXPECT_FALSE(h.state().mail.bodyModified);
    EXPECT_FALSE(h.state().mail.verticalMode());

    // Loading is one step of the body's history: the typing comes back.
    h.ui().undoEntry->trigger();
    EXPECT_EQ(h.body(), u"書きかけ"_qs);
}

TEST(MailReader, AVerticalMailComesBackHorizontalAndIsSentVerticallyAgain)
{
    const auto geometry = VerticalGeometry::of(builtInPhoneModels()[0]);
    ASSERT_TRUE(geometry);
    const QString layout =
        renderVertical(prepareVertical(u"あいう"_qs, *geometry).text, *geometry, VerticalForm::Sending);
    WindowHarness h;
    h.folder.writeBytes(u"OutPutLog.mbx"_qs,
                        logRecord(fieldsFrom(u"x@docomo.ne.jp"_qs, u"縦"_qs, layout), true));
    ASSERT_TRUE(startImode(h));
    h.ui().listLogEntry->trigger();
    h.dialogs.expectMessage(u"横書き編集"_qs,
                            u"この文章は、縦書きで記入されています。編集しやすいように横書きにしますか？"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    clickRow(h, 1);
    EXPECT_EQ(h.body(), fromVertical(layout + u"\r\n"_qs, 8, 9));
    EXPECT_TRUE(h.body().startsWith(u"あいう"_qs));
    EXPECT_TRUE(h.state().mail.verticalMode());
    EXPECT_TRUE(h.ui().verticalPreviewSwitch->isChecked());
    EXPECT_EQ(h.ui().toField->currentText(), u"x@docomo.ne.jp"_qs);
}

TEST(MailReader, APageSeparatorInAHorizontalMailAsksWhetherItIsVertical)
{
    WindowHarness h;
    h.folder.writeBytes(u"OutPutLog.mbx"_qs,
                        logRecord(fieldsFrom(u"x@docomo.ne.jp"_qs, u"横"_qs, u"---次のページ---"_qs), false));
    ASSERT_TRUE(startImode(h));
    h.ui().listLogEntry->trigger();
    h.dialogs
        .expectMessage(u"縦がき？"_qs, u"この文章は、縦書きで記入された可能性があります。縦書きとみなします。"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectMessage(u"横書き編集"_qs,
                       u"この文章は、縦書きで記入されています。編集しやすいように横書きにしますか？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    clickRow(h, 1);
    EXPECT_EQ(h.body(), u"---次のページ---"_qs);
    EXPECT_FALSE(h.state().mail.verticalMode());
    EXPECT_FALSE(model(h).data(model(h).index(1), MailListModel::VerticalRole).toBool());
}

TEST(MailReader, ArrowsThenEnterLoadAMailAndItsRecipientChoosesThePhoneModel)
{
    WindowHarness h;
    h.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\tエー\tF501i\t.\t.\t.\r\n"_qs);
    h.folder.writeBytes(u"OutPutLog.mbx"_qs, logRecord(fieldsFrom(u"エー<a@docomo.ne.jp>"_qs, u"題"_qs, u"本文"_qs), false));
    ASSERT_TRUE(startImode(h));
    ASSERT_EQ(h.ui().phoneModelList->currentText(), u"P501i"_qs);
    h.ui().listLogEntry->trigger();
    QListView *list = h.ui().mailList;
    list->setCurrentIndex(model(h).index(0)); // on the header row
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(h.body(), u"本文"_qs);
    EXPECT_EQ(h.ui().toField->currentText(), u"エー<a@docomo.ne.jp>"_qs);
    EXPECT_EQ(h.ui().phoneModelList->currentText(), u"F501i"_qs);
}

// The list is as wide as its widest row: the sideways scrolling reaches the
// end of every column.
TEST(MailReader, TheListScrollsSidewaysToTheEndOfTheWidestRow)
{
    WindowHarness h;
    const QString longSubject = QString(60, u'長');
    QByteArray log = logRecord(fieldsFrom(u"a@docomo.ne.jp"_qs, u"短"_qs, u"本文"_qs), false);
    log += logRecord(fieldsFrom(u"b@docomo.ne.jp"_qs, longSubject, u"本文"_qs + QString(40, u'x')), false);
    h.folder.writeBytes(u"OutPutLog.mbx"_qs, log);
    ASSERT_TRUE(startImode(h));
    h.ui().listLogEntry->trigger();
    QListView *list = h.ui().mailList;
    list->doItemsLayout();
    // A row is drawn in one line with tab stops at 125, 300, 390, 570 and
    // 700 dialog units (a quarter of the average character width).
    const qreal unit = QFontMetrics(list->font()).averageCharWidth() / 4.0;
    QTextOption drawn;
    drawn.setTabs({QTextOption::Tab(125 * unit, QTextOption::LeftTab), QTextOption::Tab(300 * unit, QTextOption::LeftTab),
                   QTextOption::Tab(390 * unit, QTextOption::LeftTab), QTextOption::Tab(570 * unit, QTextOption::LeftTab),
                   QTextOption::Tab(700 * unit, QTextOption::LeftTab)});
    drawn.setWrapMode(QTextOption::NoWrap);
    int widest = 0;
    for (int row = 0; row < model(h).rowCount(); ++row) {
        QTextLayout layout(model(h).index(row).data().toString(), list->font());
        layout.setTextOption(drawn);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6);
        widest = std::max(widest, qCeil(line.naturalTextWidth()));
        layout.endLayout();
    }
    ASSERT_GT(widest, list->viewport()->width());
    EXPECT_GE(list->visualRect(model(h).index(1)).width(), widest);
    EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), widest);
}

TEST(MailReader, TheHeaderRowStartsANewMailAndADoubleClickHidesTheList)
{
    WindowHarness h;
    h.folder.writeBytes(u"OutPutLog.mbx"_qs, kBeckyDraft);
    ASSERT_TRUE(startImode(h));
    h.ui().listLogEntry->trigger();
    h.ui().subjectField->setText(u"題"_qs);
    h.typeIntoBody(u"書きかけ"_qs);
    clickRow(h, 0);
    EXPECT_TRUE(h.body().isEmpty());
    EXPECT_TRUE(h.ui().subjectField->text().isEmpty());
    EXPECT_FALSE(h.ui().mailList->currentIndex().isValid());
    EXPECT_TRUE(h.ui().mailList->selectionModel()->selectedIndexes().isEmpty());

    QListView *list = h.ui().mailList;
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(model(h).index(0)).center());
    EXPECT_FALSE(list->isVisible());
}

} // namespace
