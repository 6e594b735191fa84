#include "pictograph/RegistrationFixture.h"

#include <QDir>
#include <QFile>

namespace {

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

using RegistrationKeepsData = RegistrationWindowTest;

TEST_F(RegistrationKeepsData, LineBreaksAndTabsNeverEnterTheFields)
{
    openWithoutFile();
    c->keywordField->insert(u"ha\r\nre\tbare"_qs); // what a paste does
    EXPECT_EQ(c->keywordField->text(), u"harebare"_qs);
    c->symbolField->insert(u"\t\r\n"_qs + kSun);
    EXPECT_EQ(c->symbolField->text(), kSun);
    c->registerButton->click();
    EXPECT_EQ(keywords(), QStringList({u"harebare"_qs}));
    h.dialogs.expectMessage(kSaveTitle, kSaveQuestion, Buttons::YesNoCancel, Icon::None, Answer::Yes)
        .expectMessage(Dialogs::defaultTitle(), kMenuNote, Buttons::Ok, Icon::None);
    win->close();
    EXPECT_EQ(savedFile(), kSun + u"\tharebare\r\n"_qs);
}

// Ending the program with unsaved definitions: the window's question comes
// first; Cancel (ESC, the close box of the question) and a failed save keep
// the program running with the changes.
struct Ending {
    const char *how;
    Answer answer;
    bool saveFails;
    bool ends;
};

class RegistrationEnding : public RegistrationWindowTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(RegistrationEnding, AsksTheOpenWindowFirst)
{
    const Ending &row = GetParam();
    openWithoutFile();
    fill(kSun, u"hare"_qs);
    c->registerButton->click();
    if (row.saveFails) {
        ASSERT_TRUE(QDir(h.folder.path()).mkdir(kDefinitionFile)); // a folder cannot be replaced
    }
    h.dialogs.expectMessage(kSaveTitle, kSaveQuestion, Buttons::YesNoCancel, Icon::None, row.answer);
    if (row.saveFails) {
        h.dialogs.expectMessage(Dialogs::defaultTitle(), u"文字コードを保存できませんでした。"_qs, Buttons::Ok,
                                Icon::Critical);
    } else if (row.ends) {
        h.dialogs.expectMessage(Dialogs::defaultTitle(), kMenuNote, Buttons::Ok, Icon::None);
    }
    const bool ended = h.end(QString::fromLatin1(row.how).startsWith(u"exit"_qs) ? WindowHarness::Ending::ExitEntry
                                                                                 : WindowHarness::Ending::CloseBox);
    h.dialogs.verifyAllShown();
    EXPECT_EQ(ended, row.ends);
    if (!row.ends) {
        EXPECT_TRUE(win->isVisible());
        EXPECT_TRUE(win->hasUnsavedChanges());
        EXPECT_EQ(win->windowTitle(), u"文字コード登録"_qs); // no count: nothing was saved
        c->cancelButton->click(); // close without questions
    } else {
        EXPECT_EQ(QFile::exists(h.folder.file(kDefinitionFile)), row.answer == Answer::Yes);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, RegistrationEnding,
                         ::testing::Values(Ending{"close box, Yes", Answer::Yes, false, true},
                                           Ending{"close box, No", Answer::No, false, true},
                                           Ending{"close box, failed save", Answer::Yes, true, false},
                                           Ending{"exit, failed save", Answer::Yes, true, false},
                                           Ending{"close box, Cancel", Answer::Cancel, false, false},
                                           Ending{"exit, Cancel", Answer::Cancel, false, false}));

} // namespace
