#pragma once

class MainWindow;

/// Connects the keyword conversions and the keyword check of the code menu.
void connectPictographCommands(MainWindow &w);

/// "置換": every backslash-escaped keyword of the selection (or of the whole
/// body) becomes its pictograph.
void substituteKeywords(MainWindow &w);

/// "絵文字消去": every pictograph of the selection (or of the whole body)
/// becomes its bare keyword.
void restoreKeywords(MainWindow &w);

/// "絵文字チェック": finds the keywords in the body and offers to replace
/// each occurrence by its pictograph.
void checkKeywords(MainWindow &w);
