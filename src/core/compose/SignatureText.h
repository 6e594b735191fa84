#pragma once

#include <QString>
#include <QStringView>

/// The signature as shown and appended: the stored one-line form with every
/// backslash + "n", scanning from the left, replaced by CR LF.
QString signatureText(QStringView stored);
