// A lower layer that includes only its own and lower layers' headers; a
// comment naming "gui/app/MainWindow.h" is not an include.
#include "gui/compose/BodyEdit.h"
#include "core/platform/Dialogs.h"
