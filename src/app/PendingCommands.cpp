// Commands whose subsystems are not built yet: each does nothing until its
// own file replaces it.
#include "pictograph/PictographMenu.h"

void substituteKeywords(MainWindow &) {}
