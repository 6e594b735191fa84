// The compose commands built on their own widgets and a fake host, linked
// without the main window's library.
#include "gui/compose/BodyEdit.h"
#include "core/compose/CommandProgress.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "gui/platform/Twips.h"
#include "support/ScriptedDialogs.h"
#include "support/StandaloneControls.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ComposeAlone : public ::testing::Test {
protected:
    ComposeAlone() : context{makeComposeControls(&window), mail, phones, command, dialogs, clipboard, twips, host}
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
    Twips twips{96};
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

TEST_F(ComposeAlone, PanelCommandsLayTheHostOutOnlyWithTheImodeSettingOn)
{
    context.ui.panelEntries[0]->trigger(); // the preview button starts disabled
    EXPECT_EQ(host.layouts, 1);            // only the phone model applied at the start
    context.ui.imodeSetting->setChecked(true);
    dialogs.verifyAllShown();
    context.ui.panelEntries[0]->trigger();
    EXPECT_FALSE(context.ui.previewPanel->isHidden());
    EXPECT_EQ(host.layouts, 2);
}

} // namespace
