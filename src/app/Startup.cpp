#include "app/Startup.h"

#include "app/AddressList.h"
#include "app/BeckySetup.h"
#include "app/CodeMenu.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TabStopDelegate.h"
#include "app/WindowCommands.h"

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
    ComposeState &s = w.state();
    if (c.Combo2->count() > 0) {
        s.accountIndex = storedOrFirst(s.accountIndex, c.Combo2->count());
        // Restoring is not the user's choice: the account-change handler stays out.
        const QSignalBlocker quiet(c.Combo2);
        c.Combo2->setCurrentIndex(s.accountIndex);
    }
    s.sendingAddressIndex = storedOrFirst(s.sendingAddressIndex, c.OutAdr.size());
    for (qsizetype i = 0; i < c.OutAdr.size(); ++i)
        c.OutAdr[i]->setChecked(i == s.sendingAddressIndex);
    s.accountChangeMode = storedOrFirst(s.accountChangeMode, std::ssize(c.OutAdrChg));
    for (int i = 0; i < std::ssize(c.OutAdrChg); ++i)
        c.OutAdrChg[i]->setChecked(i == s.accountChangeMode);
}

bool runStartup(MainWindow &w)
{
    MainControls &c = w.ui();
    if (!QFile::exists(w.services().readme))
        c.ReadMe->setEnabled(false);
    c.List1->setItemDelegate(new TabStopDelegate({125, 300, 390, 570, 700}, c.List1));
    if (!w.services().commandLine.isEmpty())
        loadTextFile(w, w.services().commandLine);
    if (exists(w, u"Keitai.pre"_qs))
        readPresets(w);
    c.Combo3->setCurrentIndex(0);
    if (exists(w, u"addr.adr"_qs))
        fillAddressList(w);
    else
        c.Command6->setEnabled(false);
    if (exists(w, u"Horo.ini"_qs))
        readSettings(w);
    if (!findBecky(w))
        return false;
    restoreAccountChoice(w);
    if (exists(w, u"Emoji.code"_qs))
        fillPictographMenu(w);
    return true;
}
