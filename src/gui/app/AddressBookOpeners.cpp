#include "gui/app/AddressBookOpeners.h"

#include "core/addressbook/AddressBookFile.h"
#include "gui/addressbook/AddressBookWindow.h"
#include "core/addressbook/CarrierDomain.h"
#include "gui/app/AddressList.h"
#include "gui/app/MainWindow.h"
#include "core/app/PresetFile.h"
#include "core/app/ProgramState.h"
#include "gui/app/WindowCommands.h"
#include "core/platform/Dialogs.h"
#include "gui/platform/LineFields.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Registry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

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
    auto *window = new AddressBookWindow(w.dialogs(), &w);
    window->setImodeOnly(w.state().mail.imode());
    QObject::connect(window, &AddressBookWindow::addressChosen, &w, [&w](const QString &address) {
        QComboBox *to = w.ui().toField;
        const QString current = to->currentText();
        replaceLineText(to->lineEdit(), current.isEmpty() ? address : current + u',' + address);
    });
    QObject::connect(window, &AddressBookWindow::addressListChanged, &w,
                     [&w](const QList<addressbook::AddressListItem> &items) { replaceAddressList(w, items); });
    QObject::connect(window, &AddressBookWindow::entryImported, &w, [&w](const QString &address) {
        addAddressListItem(w, {address, QString()});
        w.ui().addressBookButton->setEnabled(true);
    });
    QObject::connect(window, &AddressBookWindow::bookChosen, &w,
                     [&w](int index) { w.state().accounts.beckyBookIndex = index; });
    return window;
}

// Becky's data folder + "AddrBook", as a host path; empty while Becky is
// not found.
QString addressBookFolder(MainWindow &w)
{
    const std::optional<QString> &data = w.state().accounts.beckyDataFolder;
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

void openBeckyAddressBooks(MainWindow &w)
{
    EditedMail &mail = w.state().mail;
    if (!mail.imodeLockedOff() && !mail.imode()
        && w.dialogs().askYesNo(u"設定がi-mode用になっていませんが、i-mode用のアドレス帳として起動しますか？\r\n"
                                u"(i-mode設定欄にチェックが入ります。)"_qs,
                                u"CHECK"_qs))
        mail.setImode(true);
    AddressBookWindow *window = freshAddressBook(w);
    if (!window)
        return;
    const QString folder = addressBookFolder(w);
    QList<addressbook::BookFile> books;
    if (!folder.isEmpty())
        books = addressbook::listBeckyBooks(folder, mail.imode());
    window->openBeckyBooks(books, w.state().accounts.beckyBookIndex, w.programFile(programfiles::addressBook));
    window->show();
}

void openMyAddressBook(MainWindow &w)
{
    AddressBookWindow *window = freshAddressBook(w);
    if (!window)
        return;
    const QString presets = w.programFile(programfiles::phoneModels);
    window->openMyAdr({w.programFile(programfiles::addressBook), addressBookFolder(w), w.state().phones.models(), atCarrierMailDomain(),
                       [&w, presets] { return presetfile::addPreset(w.dialogs(), presets); }});
    window->show();
}

void openFileByDrop(MainWindow &w)
{
    AddressBookWindow *window = freshAddressBook(w);
    if (!window)
        return;
    std::optional<QString> chosen;
    QObject::connect(window, &AddressBookWindow::fileChosen, &w, [&chosen](const QString &path) { chosen = path; });
    window->openFileDrop();
    window->exec();
    if (chosen)
        loadTextFile(w, *chosen);
}

void connectAddressBook(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.beckyAddressBookButton, &QPushButton::clicked, &w, [&w] { openBeckyAddressBooks(w); });
    QObject::connect(c.addressBookButton, &QPushButton::clicked, &w, [&w] { openMyAddressBook(w); });
    QObject::connect(c.openEntry, &QAction::triggered, &w, [&w] { openFileByDrop(w); });
}
