#pragma once

#include "gui/addressbook/AddressBookWindow.h"
#include "support/WindowHarness.h"

#include <QStringList>

#include <gtest/gtest.h>

class QLineEdit;

/// The own address book file in the program folder.
inline const QString kAddrBook = QStringLiteral("addr.adr");

/// The To list as text + "#" + item data.
QStringList toListItems(const MainWindowControls &c);

/// The lines of the window's entry list.
QStringList entryLines(AddressBookWindow &book);

/// Types text into a field as the user does (key events that carry text).
void typeInto(QLineEdit *field, const QString &text);

/// Opens MY ADR through the address button.
AddressBookWindow &openMyAdr(WindowHarness &h);

/// Starts the program with `bookText` as the own address book and opens MY
/// ADR.
AddressBookWindow &startWithMyAdr(WindowHarness &h, const QString &bookText);

/// A main window on a temporary program folder for the address book's
/// tests; open() starts it over an own address book with MY ADR open.
class AddressBookTest : public ::testing::Test {
protected:
    AddressBookWindow &open(const QString &bookText) { return startWithMyAdr(h, bookText); }
    /// Becky's address book folder, the export's target.
    QString beckyBooks() const { return h.dataFolder() + u"AddrBook"_qs; }

    WindowHarness h;
};

/// Scripts the address book's save question on closing, with its answer.
ScriptedDialogs &expectSaveQuestion(WindowHarness &h, Dialogs::Answer answer);

/// Scripts the export's questions up to the group name: Yes to the export,
/// then `group` answered where `offered` was proposed.
ScriptedDialogs &expectExport(WindowHarness &h, const QString &group, const QString &offered = QStringLiteral("i-mode"));
/// Scripts the question whether to overwrite an existing group, with its
/// answer.
ScriptedDialogs &expectOverwrite(WindowHarness &h, Dialogs::Answer answer);

/// Writes a group file into Becky's address book folder.
void writeBeckyBook(WindowHarness &h, const QString &name, const QString &text);
