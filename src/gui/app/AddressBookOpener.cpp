#include "gui/app/AddressBookOpener.h"

#include "core/addressbook/CarrierDomain.h"
#include "core/app/PresetFile.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "core/handoff/AccountModel.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Registry.h"
#include "gui/addressbook/AddressBookWindow.h"

AddressBookOpener::AddressBookOpener(Context context, QWidget *window)
    : QObject(window), c_(std::move(context)), window_(window)
{
}

AddressBookWindow *AddressBookOpener::openWindow() const
{
    for (AddressBookWindow *window : window_->findChildren<AddressBookWindow *>(Qt::FindDirectChildrenOnly)) {
        if (!window->isClosing())
            return window;
    }
    return nullptr;
}

// A window open from a previous click is closed first, with its questions,
// so that every opening starts from the design state. Returns nullptr when
// the open window stays open (its book could not be saved).
AddressBookWindow *AddressBookOpener::freshWindow()
{
    if (AddressBookWindow *open = openWindow()) {
        open->close();
        if (!open->isClosing())
            return nullptr;
    }
    auto *window = new AddressBookWindow(c_.dialogs, window_);
    window->setImodeOnly(c_.mail.imode());
    connect(window, &AddressBookWindow::addressChosen, this, &AddressBookOpener::addressChosen);
    connect(window, &AddressBookWindow::addressListChanged, this, &AddressBookOpener::addressListChanged);
    connect(window, &AddressBookWindow::entryImported, this, &AddressBookOpener::entryImported);
    connect(window, &AddressBookWindow::bookChosen, this, [this](int index) { c_.accounts.beckyBookIndex = index; });
    return window;
}

// Becky's data folder + "AddrBook", as a host path; empty while Becky is
// not found.
QString AddressBookOpener::beckyBooksFolder() const
{
    const std::optional<QString> &data = c_.accounts.beckyDataFolder;
    return data ? c_.hostPaths.toHost(*data + u"AddrBook"_qs) : QString();
}

void AddressBookOpener::openBeckys()
{
    EditedMail &mail = c_.mail;
    if (!mail.imodeLockedOff() && !mail.imode()
        && c_.dialogs.askYesNo(u"設定がi-mode用になっていませんが、i-mode用のアドレス帳として起動しますか？\r\n"
                               u"(i-mode設定欄にチェックが入ります。)"_qs,
                               u"CHECK"_qs))
        mail.setImode(true);
    AddressBookWindow *window = freshWindow();
    if (!window)
        return;
    const QString folder = beckyBooksFolder();
    QList<addressbook::BookFile> books;
    if (!folder.isEmpty())
        books = addressbook::listBeckyBooks(folder, mail.imode());
    window->openBeckyBooks(books, c_.accounts.beckyBookIndex, programFile(c_.programFolder, programfiles::addressBook));
    window->show();
}

void AddressBookOpener::openMine()
{
    AddressBookWindow *window = freshWindow();
    if (!window)
        return;
    const QString presets = programFile(c_.programFolder, programfiles::phoneModels);
    window->openMyAdr({programFile(c_.programFolder, programfiles::addressBook), beckyBooksFolder(),
                       c_.phones.models(), atCarrierMailDomain(),
                       [this, presets] { return presetfile::addPreset(c_.dialogs, presets); }});
    window->show();
}

std::optional<QString> AddressBookOpener::chooseDroppedFile()
{
    AddressBookWindow *window = freshWindow();
    if (!window)
        return std::nullopt;
    std::optional<QString> chosen;
    connect(window, &AddressBookWindow::fileChosen, this, [&chosen](const QString &path) { chosen = path; });
    window->openFileDrop();
    window->exec();
    return chosen;
}
