// Address book files (MY ADR and Becky's groups): the book loaded both
// ways, each entry's views, and the start-up To list read line by line.
#include "InputFile.h"

#include "core/addressbook/AddressBookFile.h"
#include "core/platform/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = inputFile(u"addr.adr"_qs, data, size);
    for (const bool imodeOnly : {false, true}) {
        for (const AddressEntry &entry : addressbook::loadBook(path, imodeOnly).entries) {
            (void)addressbook::splitDetails(entry.details);
            (void)addressbook::savedLine(entry);
        }
    }
    for (const QString &line : textfile::readLines(path))
        (void)addressbook::addressListItemOfLine(line);
    (void)addressbook::holdsImodeAddress(path);
    return 0;
}
