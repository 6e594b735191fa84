#pragma once

class MainWindow;
class RegistrationWindow;

/// The shown code registration window of the main window, or nullptr.
RegistrationWindow *shownRegistrationWindow(MainWindow &w);

/// Opens the code registration window over the main window, or brings the
/// shown one to the front; returns it. A symbol it hands out goes to the end
/// of the body and into the used-pictograph list.
RegistrationWindow *openRegistrationWindow(MainWindow &w);

/// Connects the main window's menu entry `mojio` to the registration window.
void connectRegistrationWindow(MainWindow &w);
