#pragma once

class MainWindow;
class QAction;

/// The code menu of the main window: the pictograph entries and the keyword
/// commands, working on the body field.

/// Fills the pictograph menu from "Emoji.code": at most 20 entries, each
/// "symbol   =   keyword".
void fillPictographMenu(MainWindow &w);

/// Wires entry `index` of the pictograph menu to its insertion.
void connectPictographEntry(MainWindow &w, QAction *entry, int index);

/// Puts the symbol of pictograph menu entry `index` in place of the body's
/// selection and records it as used. Does nothing for a missing entry or
/// the placeholder "なし".
void insertPictograph(MainWindow &w, int index);

/// "置換": escaped keywords to pictographs; empties the used-pictograph list.
void substituteKeywords(MainWindow &w);

/// Connects the keyword conversions and the keyword check of the code menu.
void connectPictographCommands(MainWindow &w);
