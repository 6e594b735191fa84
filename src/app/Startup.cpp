#include "app/Startup.h"

#include "app/AddressList.h"
#include "app/BeckySetup.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TabStopDelegate.h"
#include "app/WindowCommands.h"
#include "pictograph/PictographMenu.h"
#include "platform/ProgramFolder.h"

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

bool runStartup(MainWindow &w)
{
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
    if (c.accountList->count() > 0)
        c.accountList->setCurrentIndex(w.state().account.accountIndex);
    const int address = w.state().account.sendingAddressIndex;
    if (address >= 0 && address < c.sendingAddressEntries.size())
        c.sendingAddressEntries[address]->setChecked(true);
    c.accountChangeModeEntries[static_cast<std::size_t>(w.state().account.accountChangeMode)]->setChecked(true);
    if (exists(w, programfiles::pictographs))
        fillPictographMenu(w);
    return true;
}
