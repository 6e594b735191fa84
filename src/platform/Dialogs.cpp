#include "platform/Dialogs.h"

QString Dialogs::defaultTitle() { return QStringLiteral("HORONAMI"); }
