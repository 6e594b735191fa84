#include "app/Startup.h"

#include "app/AddressList.h"
#include "app/BeckySetup.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TabStopDelegate.h"
#include "app/WindowCommands.h"
#include "pictograph/PictographMenu.h"

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
    if (c.Combo2->count() > 0)
        c.Combo2->setCurrentIndex(w.state().accountIndex);
    const int address = w.state().sendingAddressIndex;
    if (address >= 0 && address < c.OutAdr.size())
        c.OutAdr[address]->setChecked(true);
    const int mode = w.state().accountChangeMode;
    if (mode >= 0 && mode < 3)
        c.OutAdrChg[mode]->setChecked(true);
    if (exists(w, u"Emoji.code"_qs))
        fillPictographMenu(w);
    return true;
}
