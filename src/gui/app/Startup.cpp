#include "gui/app/Startup.h"

#include "gui/app/AddressList.h"
#include "gui/app/BeckySetup.h"
#include "gui/app/CodeMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Settings.h"
#include "gui/app/TabStopDelegate.h"
#include "gui/app/WindowCommands.h"
#include "core/platform/ProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>

#include <iterator>

namespace {

bool exists(const MainWindow &w, const QString &name)
{
    return QFile::exists(w.programFile(name));
}

// The stored index when it names an entry of a list of `count`, else 0.
int storedOrFirst(int stored, qsizetype count)
{
    return stored >= 0 && stored < count ? stored : 0;
}

} // namespace

void restoreAccountChoice(MainWindow &w)
{
    MainControls &c = w.ui();
    AccountChoice &s = w.state().account;
    if (c.accountList->count() > 0) {
        s.accountIndex = storedOrFirst(s.accountIndex, c.accountList->count());
        // Restoring is not the user's choice: the account-change handler stays out.
        const QSignalBlocker quiet(c.accountList);
        c.accountList->setCurrentIndex(s.accountIndex);
    }
    s.sendingAddressIndex = storedOrFirst(s.sendingAddressIndex, c.sendingAddressEntries.size());
    for (qsizetype i = 0; i < c.sendingAddressEntries.size(); ++i)
        c.sendingAddressEntries[i]->setChecked(i == s.sendingAddressIndex);
    const int mode = static_cast<int>(s.accountChangeMode);
    for (int i = 0; i < std::ssize(c.accountChangeModeEntries); ++i)
        c.accountChangeModeEntries[i]->setChecked(i == mode);
}

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
    c.phoneModelList->setCurrentIndex(0);
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
