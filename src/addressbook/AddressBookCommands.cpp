#include "addressbook/AddressBookCommands.h"

#include "addressbook/AddressBookFile.h"
#include "addressbook/AddressBookWindow.h"
#include "app/MainWindow.h"
#include "app/WindowCommands.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace {

// A window open from a previous click is closed first, with its questions,
// so that every opening starts from the design state. Returns nullptr when
// the open window stays open (its book could not be saved).
AddressBookWindow *freshAddressBook(MainWindow &w)
{
    if (AddressBookWindow *open = openAddressBook(w)) {
        open->close();
        if (!open->isClosing())
            return nullptr;
    }
    return new AddressBookWindow(w);
}

// Becky's data folder + "AddrBook", as a host path; empty while Becky is
// not found.
QString addressBookFolder(MainWindow &w)
{
    const std::optional<QString> &data = w.state().account.beckyDataFolder;
    return data ? w.services().hostPaths.toHost(*data + u"AddrBook"_qs) : QString();
}

} // namespace

AddressBookWindow *openAddressBook(MainWindow &w)
{
    for (AddressBookWindow *window : w.findChildren<AddressBookWindow *>(Qt::FindDirectChildrenOnly)) {
        if (!window->isClosing())
            return window;
    }
    return nullptr;
}

void Command2_Click(MainWindow &w)
{
    QCheckBox *imode = w.ui().imodeSetting;
    if (!imode->isHidden() && !imode->isChecked()
        && w.dialogs().askYesNo(u"設定がi-mode用になっていませんが、i-mode用のアドレス帳として起動しますか？\r\n"
                                u"(i-mode設定欄にチェックが入ります。)"_qs,
                                u"CHECK"_qs))
        imode->setChecked(true);
    AddressBookWindow *window = freshAddressBook(w);
    if (!window)
        return;
    const QString folder = addressBookFolder(w);
    QList<addressbook::BookFile> books;
    if (!folder.isEmpty())
        books = addressbook::listBeckyBooks(folder, imode->isChecked());
    bool numeric = false;
    const int remembered = w.state().beckyBookIndex.toInt(&numeric);
    window->openBeckyBooks(books, numeric ? remembered : -1);
    window->show();
}

void Command6_Click(MainWindow &w)
{
    AddressBookWindow *window = freshAddressBook(w);
    if (!window)
        return;
    window->openMyAdr(addressBookFolder(w));
    window->show();
}

void openfile_Click(MainWindow &w)
{
    AddressBookWindow *window = freshAddressBook(w);
    if (!window)
        return;
    ComposeState &state = w.state();
    state.openFile = u"1"_qs;
    window->openFileDrop();
    window->exec();
    if (state.openFile != u"1"_qs)
        loadTextFile(w, state.openFile);
    state.openFile = u"0"_qs;
}

void connectAddressBook(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.beckyAddressBookButton, &QPushButton::clicked, &w, [&w] { Command2_Click(w); });
    QObject::connect(c.addressBookButton, &QPushButton::clicked, &w, [&w] { Command6_Click(w); });
    QObject::connect(c.openEntry, &QAction::triggered, &w, [&w] { openfile_Click(w); });
}
