// The compose commands built on their own widgets and a fake host, linked
// without the main window's library.
#include "gui/compose/BodyEdit.h"
#include "core/compose/CommandProgress.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/CountCommand.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "support/ScriptedDialogs.h"
#include "support/Fakes.h"
#include "support/RecordingHosts.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ComposeAlone : public ::testing::Test {
protected:
    ComposeAlone() : context{ComposeControls::create(&window), mail, phones, command, dialogs, clipboard, host}
    {
        connectComposeCommands(context, &window);
    }

    BodyEdit *body() { return context.ui.bodyField; }

    QWidget window;
    EditedMail mail;
    PhoneModelList phones;
    CommandProgress command;
    ScriptedDialogs dialogs;
    MemoryClipboard clipboard;
    RecordingHost host;
    ComposeContext context;
};

TEST_F(ComposeAlone, BodyKeysAskTheHostForWhatLiesOutsideCompose)
{
    QTest::keyClick(body(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(host.sends, 1);
    QTest::keyClick(body(), Qt::Key_3, Qt::ControlModifier);
    QTest::keyClick(body(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(host.pictographs, (QList<int>{3, 0}));
    EXPECT_TRUE(body()->bodyText().isEmpty()); // the field handled none of them

    // Enter arms the substitution only while it is switched on; the release runs it.
    QTest::keyClick(body(), Qt::Key_Return);
    EXPECT_EQ(host.substitutions, 0);
    context.ui.autoSubstituteEntry->setChecked(true);
    QTest::keyClick(body(), Qt::Key_Return);
    EXPECT_EQ(host.substitutions, 1);
    EXPECT_FALSE(command.substituteOnKeyUp);
}

TEST_F(ComposeAlone, EditsKeepTheMailStateAndTheCountLabel)
{
    body()->setBodyText(u"あいab"_qs);
    EXPECT_TRUE(mail.bodyModified);
    EXPECT_EQ(context.ui.countLabel->text(), u"3.0文字 (4)"_qs);
    QTest::keyClick(body(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), u"あいab"_qs);

    startNewMail(context);
    EXPECT_FALSE(mail.bodyModified);
    EXPECT_TRUE(body()->bodyText().isEmpty());
}

TEST_F(ComposeAlone, PanelCommandsWorkOnlyWithTheImodeSettingOn)
{
    context.ui.panelEntries[0]->trigger(); // the preview button starts disabled
    context.ui.panelEntries[1]->trigger();
    EXPECT_TRUE(context.ui.previewPanel->isHidden());
    EXPECT_EQ(host.mailListToggles, 0);
    context.ui.imodeSetting->setChecked(true);
    dialogs.verifyAllShown();
    context.ui.panelEntries[0]->trigger();
    context.ui.panelEntries[1]->trigger();
    EXPECT_FALSE(context.ui.previewPanel->isHidden());
    EXPECT_EQ(host.mailListToggles, 1);
}

TEST_F(ComposeAlone, ProgressShowsOnTheButtonOrTheTitleWhenMinimised)
{
    showProgress(context, 42);
    EXPECT_EQ(context.ui.countButton->text(), u"42%完了"_qs);
    window.showMinimized();
    showProgress(context, 50);
    EXPECT_EQ(window.windowTitle(), u"50%完了"_qs);
    showProgress(context, -1);
    EXPECT_EQ(context.ui.countButton->text(), u"実行"_qs);
    EXPECT_EQ(window.windowTitle(), u"Horonami"_qs);
}

} // namespace
