// Japanese typed through a real input method: ibus with mozc on an X server,
// keys sent by xdotool as a keyboard would. run-with-mozc.sh provides the
// session; the window is the program's main window with scripted dialogs.
#include "gui/compose/BodyEdit.h"
#include "handoff/WindowFixtures.h"
#include "support/WindowHarness.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

const QString kNihongo = u"日本語"_qs;
constexpr int kImeTimeoutMs = 20000;

// Runs a helper to its end while the window keeps handling events (the
// input method talks to it meanwhile); returns its exit code.
int runHelper(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return -1;
    if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, kImeTimeoutMs))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void keys(const QStringList &names)
{
    ASSERT_EQ(runHelper(u"xdotool"_qs, QStringList{u"key"_qs, u"--delay"_qs, u"40"_qs} + names), 0);
}

void typeRomaji(const QString &text)
{
    ASSERT_EQ(runHelper(u"xdotool"_qs, {u"type"_qs, u"--delay"_qs, u"40"_qs, text}), 0);
}

// The text being composed in the body, not yet part of it.
QString bodyPreedit(BodyEdit *body) { return body->textCursor().block().layout()->preeditAreaText(); }

// Counts a widget's switches between enabled and disabled: the count
// command disables its button while it runs.
class EnabledSwitches : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            ++count;
        return false;
    }
};

class MozcInput : public testing::Test {
protected:
    void SetUp() override
    {
        h.folder.writeText(u"Emoji.code"_qs, u"\uE63E\thare\r\n"_qs);
        ASSERT_TRUE(startImode(h));
        h.window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    }

    // Focuses a field and switches the input method to mozc for it (the
    // command reports failure, yet it sets the engine).
    void focusWithMozc(QWidget *field)
    {
        field->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
        runHelper(u"ibus"_qs, {u"engine"_qs, u"mozc-jp"_qs});
    }

    // Types "nihongo" and converts it with Space; the body meanwhile holds
    // only the text before it, and so does the count.
    void composeNihongoInBody(const QString &before)
    {
        BodyEdit *body = h.ui().bodyField;
        typeRomaji(u"nihongo"_qs);
        ASSERT_TRUE(QTest::qWaitFor([body] { return bodyPreedit(body) == u"にほんご"_qs; }, kImeTimeoutMs))
            << qPrintable(bodyPreedit(body));
        keys({u"space"_qs});
        ASSERT_TRUE(QTest::qWaitFor([body] { return bodyPreedit(body) == kNihongo; }, kImeTimeoutMs))
            << qPrintable(bodyPreedit(body));
        EXPECT_EQ(h.body(), before);
        EXPECT_EQ(body->count().chars, before.size());
        EXPECT_TRUE(h.ui().countLabel->text().endsWith(u"(%1)"_qs.arg(before.size()))) << qPrintable(h.ui().countLabel->text());
    }

    // Return commits the conversion: the body gets it without a break.
    void commitWithReturn(const QString &expected)
    {
        keys({u"Return"_qs});
        ASSERT_TRUE(QTest::qWaitFor([this, expected] { return h.body() == expected; }, kImeTimeoutMs))
            << qPrintable(h.body());
        QTest::qWait(300); // the release of the committing Return
        EXPECT_EQ(h.body(), expected);
        EXPECT_TRUE(bodyPreedit(h.ui().bodyField).isEmpty());
    }

    WindowHarness h;
};

TEST_F(MozcInput, BodyAndCountTakeOnlyTheCommittedText)
{
    focusWithMozc(h.ui().bodyField);
    composeNihongoInBody(QString());
    commitWithReturn(kNihongo);
    EXPECT_EQ(h.ui().bodyField->count().chars, 3);
    EXPECT_TRUE(h.ui().countLabel->text().endsWith(u"3.0文字 (3)"_qs)) << qPrintable(h.ui().countLabel->text());
}

TEST_F(MozcInput, SubjectReceivesTheConversion)
{
    focusWithMozc(h.ui().subjectField);
    typeRomaji(u"nihongo"_qs);
    keys({u"space"_qs});
    QTest::qWait(500);
    EXPECT_TRUE(h.ui().subjectField->text().isEmpty()) << qPrintable(h.ui().subjectField->text());
    keys({u"Return"_qs});
    QLineEdit *subject = h.ui().subjectField;
    EXPECT_TRUE(QTest::qWaitFor([subject] { return subject->text() == kNihongo; }, kImeTimeoutMs))
        << qPrintable(subject->text());
}

// The committing Return is not the body's Enter: no automatic substitution
// and no limit check. A plain Return afterwards does both.
TEST_F(MozcInput, CommittingReturnIsNotTheBodysEnter)
{
    h.ui().autoSubstituteEntry->setChecked(true);
    h.state().command.pendingLimit = 250;
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    h.ui().limitFlags[LimitFlag::Classify]->setChecked(true);
    h.state().mail.setSignatureOn(true);
    h.state().mail.signatureText = u"0123456789"_qs; // reserves room: Enter finds the body too long
    const QString before = u"\\hare"_qs + QString(235, u'あ');
    h.setBody(before);
    h.ui().bodyField->moveCursor(QTextCursor::End);

    focusWithMozc(h.ui().bodyField);
    composeNihongoInBody(before);
    commitWithReturn(before + kNihongo);
    EXPECT_FALSE(h.state().command.substituteOnKeyUp);
    h.dialogs.verifyAllShown();

    h.dialogs.expectMessage(u"文字削除"_qs, u"overした分を削除しますか？"_qs, Dialogs::Buttons::YesNo,
                            Dialogs::Icon::None, Dialogs::Answer::Yes);
    keys({u"Return"_qs});
    EXPECT_TRUE(QTest::qWaitFor([this] { return h.body().startsWith(u"\uE63E"_qs); }, kImeTimeoutMs))
        << qPrintable(h.body());
    h.dialogs.verifyAllShown();
}

// With the count on Enter switched on, the committing Return runs no count;
// a plain Return does.
TEST_F(MozcInput, CommittingReturnRunsNoCount)
{
    h.ui().limitFlags[LimitFlag::AutoCount]->setChecked(true);
    QPushButton *count = h.ui().countButton;
    ASSERT_TRUE(count->isEnabled());
    EnabledSwitches switches;
    count->installEventFilter(&switches);

    focusWithMozc(h.ui().bodyField);
    composeNihongoInBody(QString());
    commitWithReturn(kNihongo);
    EXPECT_EQ(switches.count, 0);

    keys({u"Return"_qs});
    EXPECT_TRUE(QTest::qWaitFor([this] { return h.body() == kNihongo + u"\r\n"_qs; }, kImeTimeoutMs))
        << qPrintable(h.body());
    EXPECT_EQ(switches.count, 2);
    EXPECT_TRUE(count->isEnabled());
}

TEST_F(MozcInput, CtrlReturnStillSends)
{
    focusWithMozc(h.ui().bodyField);
    composeNihongoInBody(QString());
    commitWithReturn(kNihongo);
    h.dialogs.expectMessage(u"ほんとに？"_qs,
                            u"・宛先が未記入です。\r\n・タイトルが未記入です。(全角15文字以内)\r\n\r\n"
                            u"本当に送信してもいいんですか？"_qs,
                            Dialogs::Buttons::OkCancel, Dialogs::Icon::None, Dialogs::Answer::Cancel);
    keys({u"ctrl+Return"_qs});
    QTest::qWait(500);
    h.dialogs.verifyAllShown();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
