#pragma once

class MainWindow;

/// One entry of the `nuki` menu (0 to 8). A find-and-replace entry makes
/// each replacement as one edit of the body field, so that the body change
/// handling runs once per replacement; the narrow conversion (6) replaces
/// the body in one change.
void runFilter(MainWindow &w, int index);

/// "上記処理連続動作" (`Cmero`): every entry in its fixed order.
void runAllFilters(MainWindow &w);
