// A lower layer that includes the main window: the layering check refuses it.
#include "gui/compose/BodyEdit.h"
  #  include "gui/app/MainWindow.h"
