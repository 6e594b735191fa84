#include "gui/app/Startup.h"

#include "gui/app/AddressList.h"
#include "gui/app/BeckySetup.h"
#include "gui/app/CodeMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Settings.h"
#include "gui/app/TabStopDelegate.h"
#include "gui/app/WindowCommands.h"
#include "core/app/ProgramState.h"
#include "core/platform/ProgramFolder.h"
#include "gui/handoff/SendingChoices.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QPushButton>

namespace {

bool exists(const MainWindow &w, const QString &name)
{
    return QFile::exists(w.programFile(name));
}

} // namespace

void restoreAccountChoice(MainWindow &w) { sendingchoices::restoreChoices(w.handoff()); }

bool runStartup(MainWindow &w)
{
    // A copy already running on the folder: end before any file is read.
    if (!w.claimProgramFolder())
        return false;
    MainControls &c = w.ui();
    if (!QFile::exists(w.services().readme))
        c.readmeEntry->setEnabled(false);
    c.mailList->setItemDelegate(new TabStopDelegate({125, 300, 390, 570, 700}, c.mailList));
    if (!w.services().commandLine.isEmpty())
        loadTextFile(w, w.services().commandLine);
    if (exists(w, programfiles::phoneModels))
        readPresets(w);
    w.state().phones.setCurrentRow(0);
    if (exists(w, programfiles::addressBook))
        fillAddressList(w);
    else
        c.addressBookButton->setEnabled(false);
    if (exists(w, programfiles::settings))
        readSettings(w);
    if (!findBecky(w))
        return false;
    restoreAccountChoice(w);
    if (exists(w, programfiles::pictographs))
        fillPictographMenu(w);
    return true;
}
