#pragma once

#include "gui/addressbook/AddressBookWindow.h"
#include "support/WindowHarness.h"

#include <QStringList>

class QLineEdit;

/// The own address book file in the program folder.
inline const QString kAddrBook = QStringLiteral("addr.adr");

/// The To list as text + "#" + item data.
QStringList toListItems(const MainControls &c);

/// The lines of the window's entry list.
QStringList entryLines(AddressBookWindow &book);

/// Types text into a field as the user does (key events that carry text).
void typeInto(QLineEdit *field, const QString &text);

/// Opens MY ADR through the address button.
AddressBookWindow &openMyAdr(WindowHarness &h);

/// Scripts the address book's save question on closing, with its answer.
ScriptedDialogs &expectSaveQuestion(WindowHarness &h, Dialogs::Answer answer);

/// Writes a group file into Becky's address book folder.
void writeBeckyBook(WindowHarness &h, const QString &name, const QString &text);
