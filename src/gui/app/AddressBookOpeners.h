#pragma once

class AddressBookWindow;
class MainWindow;

/// The open address book window of the main window, or nullptr.
AddressBookWindow *openAddressBook(MainWindow &w);

/// The Becky address book button: offers the i-mode setting when it is off,
/// lists the group files of Becky's address book folder (with the setting
/// on, only those holding an i-mode address), chooses the remembered book
/// and shows the window modeless, read-only but for the import.
void openBeckyAddressBooks(MainWindow &w);

/// The address button: shows the own address book "MY ADR" modeless, with
/// the phone models for its model field and the export to Becky.
void openMyAddressBook(MainWindow &w);

/// The open command: shows the address book window modally as the file-drop
/// panel and loads the dropped file the user confirmed. ESC or closing the
/// panel loads nothing.
void openFileByDrop(MainWindow &w);

/// Connects `Command2`, `Command6` and the menu `openfile`.
void connectAddressBook(MainWindow &w);
