// A lower layer that includes the main window: the layering check refuses it.
#include "compose/BodyEdit.h"
  #  include "app/MainWindow.h"
