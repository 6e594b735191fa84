#pragma once

#include "compose/PhoneModel.h"

class MainWindow;

/// The phone model selected in `Combo3`, or the first built-in model (P501i)
/// when none is selected.
PhoneModel selectedPhoneModel(MainWindow &w);

/// Choosing a model (`Combo3_Click`): sizes the preview box to the model's
/// screen, moves the panel's controls below it, lays the window out and, with
/// the vertical preview on, lays the body out again. Does nothing when no
/// model is selected.
void choosePhoneModel(MainWindow &w);

/// The panel commands of the window menu (`ViewPre_Click`): 0 shows or hides
/// the preview panel, 1 the draft and log list, 2 folds the limit panel.
/// Inert while the preview toggle is disabled (the i-mode setting is off).
void runPanelCommand(MainWindow &w, int index);
