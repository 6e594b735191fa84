// Commands whose subsystems are not built yet: each does nothing until its
// own file replaces it.
#include "app/BeckySetup.h"
#include "compose/ComposeCommands.h"
#include "handoff/HandoffCommands.h"
#include "pictograph/PictographMenu.h"

bool findBecky(MainWindow &) { return true; }
void runBeckyDiscovery(MainWindow &) {}

void connectComposeCommands(MainWindow &) {}
void countCommand(MainWindow &) {}
void layOutVerticalPreview(MainWindow &) {}
void showSendImage(MainWindow &) {}

void connectHandoffCommands(MainWindow &) {}
void connectSendingAddress(MainWindow &, QAction *, int) {}
void sendCommand(MainWindow &) {}

void substituteKeywords(MainWindow &) {}
