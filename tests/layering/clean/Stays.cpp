// A lower layer that includes only its own and lower layers' headers; a
// comment naming "app/MainWindow.h" is not an include.
#include "compose/BodyEdit.h"
#include "platform/Dialogs.h"
