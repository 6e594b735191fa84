// Links the child-window libraries with nothing of the main window: a file
// of theirs that reached into app/ leaves symbols unresolved here, and the
// build stops. The program never runs this; the branch below only makes
// the linker pull in every object file.
#include "addressbook/AddressBookWindow.h"
#include "pictograph/PictographCommands.h"
#include "pictograph/RegistrationWindow.h"
#include "platform/QtDialogs.h"
#include "platform/Twips.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Taking a command's address links its object file.
    volatile auto check = &keywordcommands::checkKeywords;
    static_cast<void>(check);
    if (argc < 1000)
        return 0;
    QApplication app(argc, argv);
    QtDialogs dialogs;
    const Twips twips(96);
    AddressBookWindow book(dialogs, twips, nullptr);
    RegistrationWindow codes(dialogs, QString(), nullptr);
    return 0;
}
