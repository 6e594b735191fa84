#include "core/app/FolderLock.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/app/Services.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kCloseQuestion = u"編集中の内容は、破棄されてしまいますが終了してもよろしいですか？"_qs;

TEST(MainWindow, HasEveryControlAndTheMenuTreeInOrder)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    MainWindow &w = h.window();
    EXPECT_EQ(w.windowTitle(), u"Horonami"_qs);
    for (const char16_t *name : {u"Frame2", u"Command3", u"Command1", u"Command4(0)", u"Command4(1)",
                                 u"Command7", u"Command2", u"Check2", u"Combo2", u"Frame1", u"Check1(8)",
                                 u"Command6", u"Combo1", u"Label2", u"Text2", u"Text1", u"List1", u"Frame3",
                                 u"Combo3", u"Check3", u"Command5", u"Text3", u"Label4", u"Picture1",
                                 u"Label1", u"Label6", u"Label3(0)", u"Label3(1)", u"Label5"}) {
        auto *widget = w.findChild<QWidget *>(QString::fromUtf16(name));
        ASSERT_NE(widget, nullptr) << QString::fromUtf16(name).toStdString();
        // A label is read by its text; every other control by its name.
        if (!qobject_cast<QLabel *>(widget)) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << QString::fromUtf16(name).toStdString();
        }
    }
    QStringList menus;
    for (QAction *top : w.menuBar()->actions())
        menus.append(top->text());
    EXPECT_EQ(menus, (QStringList{u"ファイル(&F)"_qs, u"編集(&C)"_qs, u"コード登録(&C)"_qs, u"i-mode(&I)"_qs,
                                  u"ｳｨﾝﾄﾞｳ(&W)"_qs, u"ヘルプ(&H)"_qs}));
    QStringList file;
    for (QAction *a : h.ui().fileMenu->actions())
        file.append(a->isSeparator() ? u"-"_qs : a->text());
    EXPECT_EQ(file, (QStringList{u"開く(&O)"_qs, u"ファイルを選択して開く(&F)..."_qs, u"新規作成（&N）"_qs, u"草稿に保存(&S)"_qs,
                                 u"草稿から読み込み(&R)"_qs, u"ログから読み込み(&L)"_qs, u"-"_qs, u"終了(&E)"_qs}));
    EXPECT_EQ(h.ui().allFiltersEntry->shortcut(), QKeySequence(u"Ctrl+M"_qs));
    EXPECT_EQ(h.ui().substituteEntry->shortcut(), QKeySequence(u"Ctrl+T"_qs));
    EXPECT_EQ(h.ui().pictographCheckEntry->shortcut(), QKeySequence(u"Ctrl+E"_qs));
    EXPECT_EQ(h.ui().filterEntries[3]->text(), u"↑変換\u00A5"_qs);
    EXPECT_FALSE(h.ui().helpEntry->isEnabled());
    EXPECT_EQ(h.ui().phoneModelList->count(), 4);
    EXPECT_EQ(h.ui().phoneModelList->itemData(1).toInt(), 1010);
}

// The Windows fonts are missing here, so the IPA fonts installed with the
// program stand in, each with its own hinting (no auto-hinter pass).
TEST(MainWindow, FontsAreTheInstalledJapaneseStandIns)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    const struct {
        const QWidget *widget;
        QString family;
        int points;
    } rows[] = {
        {&h.window(), u"IPAGothic"_qs, 9},
        {h.ui().subjectField, u"IPAGothic"_qs, 9},
        {h.ui().bodyField, u"IPAMincho"_qs, 12},
        {h.ui().previewBox, u"IPAGothic"_qs, 9},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.widget->objectName().toStdString());
        const QFontInfo used(row.widget->font());
        EXPECT_EQ(used.family(), row.family);
        EXPECT_EQ(used.pointSize(), row.points);
        EXPECT_EQ(row.widget->font().hintingPreference(), QFont::PreferFullHinting);
    }
}

// Stored indexes out of range choose entry 0: exactly one entry of each
// list carries the mark.
TEST(MainWindow, StoredChoicesOutOfRangeChooseTheFirstEntry)
{
    struct Row {
        QString settings;
        int address;
        int mode;
    };
    for (const Row &row : {Row{u"Myad=1\r\nAcOp=2\r\n"_qs, 1, 2}, Row{u"Myad=7\r\nAcOp=3\r\nAcnt=5\r\n"_qs, 0, 0},
                           Row{u"Myad=-1\r\nAcOp=-2\r\n"_qs, 0, 0}}) {
        WindowHarness h;
        h.folder.writeText(u"Horo.ini"_qs, row.settings);
        ASSERT_TRUE(h.start());
        const MainWindowControls &c = h.ui();
        const QList<QAction *> &addresses = h.ui().sendingAddressEntries();
        for (qsizetype i = 0; i < addresses.size(); ++i)
            EXPECT_EQ(addresses[i]->isChecked(), i == row.address) << row.settings.toStdString() << i;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(c.accountChangeModeEntries[i]->isChecked(), i == row.mode) << row.settings.toStdString() << i;
        EXPECT_EQ(h.state().accounts.sendingAddressIndex(), row.address);
        EXPECT_EQ(static_cast<int>(h.state().sending.accountChangeMode()), row.mode);
        EXPECT_EQ(c.accountList->currentIndex(), 0);
    }
}

TEST(MainWindow, MissingReadmeDisablesItsMenuAndAMissingAddressBookItsButton)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    EXPECT_FALSE(h.ui().readmeEntry->isEnabled());
    EXPECT_FALSE(h.ui().addressBookButton->isEnabled());

    WindowHarness withFiles;
    withFiles.folder.writeText(u"readme.txt"_qs, u"x"_qs);
    withFiles.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\r\nb@x.jp\t花子\tN501i\t.\t.\t.\r\nno address\r\n"_qs);
    ASSERT_TRUE(withFiles.start());
    EXPECT_TRUE(withFiles.ui().readmeEntry->isEnabled());
    EXPECT_TRUE(withFiles.ui().addressBookButton->isEnabled());
    // The book fills the list when the To field is first used; a recipient
    // typed before stays.
    withFiles.ui().toField->setEditText(u"typed"_qs);
    withFiles.focusToField();
    ASSERT_EQ(withFiles.ui().toField->count(), 2);
    EXPECT_EQ(withFiles.ui().toField->itemText(1), u"花子<b@x.jp>"_qs);
    EXPECT_EQ(withFiles.ui().toField->itemData(1).toInt(), 1);
    EXPECT_EQ(withFiles.ui().toField->currentText(), u"typed"_qs);
}

TEST(MainWindow, CommandLineFileLoadsBeforeTheSettingsAndMarksTheBodyEdited)
{
    WindowHarness h;
    h.folder.writeText(u"mail.txt"_qs, u"こんにちは\r\n元気？"_qs);
    h.folder.writeText(u"Horo.ini"_qs, u"Font=15\r\n"_qs);
    h.commandLine = h.folder.file(u"mail.txt"_qs);
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.body(), u"こんにちは\r\n元気？"_qs);
    EXPECT_EQ(h.ui().bodyField->font().pointSize(), 15);
    EXPECT_TRUE(h.state().mail.bodyModified);

    h.dialogs.expectMessage(u"終了確認"_qs, kCloseQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    EXPECT_FALSE(h.window().close());
    EXPECT_TRUE(h.window().isVisible());
    EXPECT_TRUE(h.folder.readText(u"Horo.ini"_qs).startsWith(u"Font=15"_qs));
}

// A second copy on a program folder a running copy uses says so and ends
// before it reads or writes anything there.
TEST(MainWindow, ASecondCopyOnTheFolderSaysSoAndTouchesNothing)
{
    WindowHarness first;
    first.folder.writeText(u"Horo.ini"_qs, u"Sei0=1\r\n"_qs);
    ASSERT_TRUE(first.start());
    const auto snapshot = [&first] {
        QStringList files;
        for (const QFileInfo &f : QDir(first.folder.path()).entryInfoList(QDir::Files))
            files.append(f.fileName() + u'@' + f.lastModified().toString(Qt::ISODateWithMs));
        return files;
    };
    const QStringList before = snapshot();

    ScriptedDialogs dialogs;
    Services services{dialogs, first.clipboard, first.registry, first.paths, first.folder.path(),
                      QString(), first.folder.file(u"readme.txt"_qs)};
    ProgramState secondState;
    MainWindow second(services, secondState);
    dialogs.expectMessage(Dialogs::defaultTitle(), FolderLock::heldMessage(first.folder.path()), Dialogs::Buttons::Ok,
                          Dialogs::Icon::Exclamation);
    EXPECT_FALSE(second.startup());
    dialogs.verifyAllShown();
    EXPECT_FALSE(MainWindowControls(&second).limitFlags[LimitFlag::SkipBlanks]->isChecked()); // the settings were not read
    EXPECT_EQ(snapshot(), before);
}

// NUL and the other control characters but TAB and the breaks never enter
// the fields, pasted, put or loaded; a loaded file says how many it held.
TEST(MainWindow, ControlCharactersStayOutOfTheFields)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    const QString dirty = QString::fromUtf16(u"a\u0000b\tc\u001B", 6);
    QGuiApplication::clipboard()->setText(dirty);
    h.ui().bodyField->paste();
    EXPECT_EQ(h.body(), u"ab\tc"_qs);
    h.ui().subjectField->insert(dirty);
    EXPECT_EQ(h.ui().subjectField->text(), u"ab\tc"_qs);
    h.ui().toField->lineEdit()->insert(dirty);
    EXPECT_EQ(h.ui().toField->currentText(), u"ab\tc"_qs);

    h.folder.writeBytes(u"dirty.txt"_qs, QByteArray("x\0y\x01z\r\n", 7));
    h.dialogs.expectFileChoice(u"ファイルを開く"_qs, h.folder.file(u"dirty.txt"_qs))
        .expectMessage(Dialogs::defaultTitle(),
                       u"制御文字（NULなど）が2個含まれていました。メールには入れられないので、取り除きました。"_qs,
                       Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().chooseFileEntry->trigger();
    EXPECT_EQ(h.body(), u"xyz\r\n"_qs);
}

TEST(MainWindow, LoadsTextFilesUpTo64000Bytes)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.folder.writeBytes(u"exact.txt"_qs, QByteArray(64000, 'a'));
    h.folder.writeBytes(u"over.txt"_qs, QByteArray(64001, 'b'));
    h.dialogs.expectFileChoice(u"ファイルを開く"_qs, h.folder.file(u"exact.txt"_qs));
    h.ui().chooseFileEntry->trigger();
    EXPECT_EQ(h.ui().bodyField->bodyLength(), 64000);
    h.dialogs.expectFileChoice(u"ファイルを開く"_qs, h.folder.file(u"over.txt"_qs))
        .expectMessage(u"ごめんなさい"_qs, u"すんまそん64K以上のファイルには、対応してまへんねん"_qs, Dialogs::Buttons::Ok,
                       Dialogs::Icon::None);
    h.ui().chooseFileEntry->trigger();
    EXPECT_EQ(h.ui().bodyField->bodyLength(), 64000);
    EXPECT_TRUE(h.body().startsWith(u'a'));
}

TEST(MainWindow, CloseAsksWritesTheSettingsAndSwitchesImodeOff)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().imodeSetting->setChecked(true);
    h.typeIntoBody(u"あ"_qs);
    h.dialogs.expectMessage(u"終了確認"_qs, kCloseQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    EXPECT_TRUE(h.window().close());
    EXPECT_FALSE(h.ui().imodeSetting->isChecked());
    const QString ini = h.folder.readText(u"Horo.ini"_qs);
    EXPECT_TRUE(ini.contains(u"\r\nimde=1\r\n"_qs)) << ini.toStdString();
    EXPECT_TRUE(ini.endsWith(u"Look=False\r\n"_qs));
}

// Exit asks what the close box asks about an edited body, but writes no
// settings.
TEST(MainWindow, ExitAsksAboutAnEditedBodyAndWritesNoSettings)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.typeIntoBody(u"編集中"_qs);
    bool ended = false;
    QObject::connect(&h.window(), &MainWindow::programEnded, [&] { ended = true; });
    h.dialogs.expectMessage(u"終了確認"_qs, kCloseQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().exitEntry->trigger();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(h.window().isVisible());
    EXPECT_EQ(h.body(), u"編集中"_qs);
    h.dialogs.expectMessage(u"終了確認"_qs, kCloseQuestion, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.ui().exitEntry->trigger();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(h.window().isVisible());
    EXPECT_FALSE(h.folder.exists(u"Horo.ini"_qs));
}

// A new mail asks before it drops an edited body, keeps the recipient, and
// can be taken back in the body and the subject alike.
TEST(MainWindow, NewMailAsksKeepsTheRecipientAndCanBeUndone)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.ui().toField->setEditText(u"to@docomo.ne.jp"_qs);
    h.ui().subjectField->setText(u"件名"_qs);
    h.typeIntoBody(u"本文"_qs);
    h.state().mail.usedPictographs = u"\uE63E"_qs;
    const QString ask = u"現在の編集内容が破棄されますがよろしいですか？"_qs;
    h.dialogs.expectMessage(u"保存した？"_qs, ask, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.ui().newMailEntry->trigger();
    EXPECT_EQ(h.body(), u"本文"_qs);

    h.dialogs.expectMessage(u"保存した？"_qs, ask, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.ui().newMailEntry->trigger();
    EXPECT_TRUE(h.body().isEmpty());
    EXPECT_TRUE(h.ui().subjectField->text().isEmpty());
    EXPECT_TRUE(h.state().mail.usedPictographs.isEmpty());
    EXPECT_FALSE(h.state().mail.bodyModified);
    EXPECT_EQ(h.ui().toField->currentText(), u"to@docomo.ne.jp"_qs);

    h.ui().undoEntry->trigger();
    h.ui().subjectField->undo();
    EXPECT_EQ(h.body(), u"本文"_qs);
    EXPECT_EQ(h.ui().subjectField->text(), u"件名"_qs);
    EXPECT_TRUE(h.state().mail.bodyModified);
}

TEST(MainWindow, PictographMenuHoldsTheFirstTwentyDefinitions)
{
    WindowHarness h;
    QString definitions;
    for (int i = 0; i < 25; ++i)
        definitions += QChar(0xE63E + i) + u"\tkey"_qs + QString::number(i) + u"\r\n"_qs;
    h.folder.writeText(u"Emoji.code"_qs, definitions);
    ASSERT_TRUE(h.start());
    ASSERT_EQ(h.ui().pictographEntries().size(), 20);
    EXPECT_EQ(h.ui().pictographEntries()[0]->text(), u"\uE63E   =   key0"_qs);
    EXPECT_EQ(h.ui().pictographEntries()[19]->text(), u"\uE651   =   key19"_qs);

    h.typeIntoBody(u"ab"_qs);
    h.ui().bodyField->setBodySelection(0, 1);
    h.pressInBody(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(h.body(), u"\uE640b"_qs);
    h.pressInBody(Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier);
    h.ui().pictographEntries()[0]->trigger();
    EXPECT_EQ(h.body(), u"\uE640\uE641\uE63Eb"_qs);
    EXPECT_EQ(h.state().mail.usedPictographs, u"\uE640\uE641\uE63E"_qs);
}

TEST(MainWindow, PlaceholderPictographEntryInsertsNothing)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.ui().pictographEntries()[0]->text(), u"なし"_qs);
    h.pressInBody(Qt::Key_0, Qt::ControlModifier);
    h.pressInBody(Qt::Key_5, Qt::ControlModifier);
    EXPECT_TRUE(h.body().isEmpty());
    EXPECT_TRUE(h.state().mail.usedPictographs.isEmpty());
}

} // namespace
