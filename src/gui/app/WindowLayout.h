#pragma once

class MainWindow;

/// The layout rules of the main window, run on every size change and
/// whenever a panel is shown or hidden.
void layoutMainWindow(MainWindow &w);
