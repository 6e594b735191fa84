#pragma once

#include <QString>
#include <QStringView>

/// The body as counts, positions, selections and files see it has CR LF line
/// breaks (a break counts 2); the edit field holds one character per break.
/// These functions convert texts between the two forms; the body field maps
/// positions.
namespace bodytext {

/// Field form of a body text: CR LF, a lone CR and a lone LF each become
/// one "\n".
QString toField(QStringView body);

/// Body form of a field text: every "\n" becomes CR LF.
QString toBody(QStringView field);

} // namespace bodytext
