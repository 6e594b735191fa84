#pragma once

#include <QString>
#include <QStringView>

/// The body as counts, positions, selections and files see it has CR LF line
/// breaks (a break counts 2); the edit field holds one character per break.
/// These functions are the one mapping between the two forms.
namespace bodytext {

/// Field form of a body text: CR LF, a lone CR and a lone LF each become
/// one "\n".
QString toField(QStringView body);

/// Body form of a field text: every "\n" becomes CR LF.
QString toBody(QStringView field);

/// Body position of a field position, given the field text.
int bodyPosition(QStringView field, int fieldPos);

/// Field position of a body position, given the field text. A position
/// between the CR and the LF of a break maps to after the break.
int fieldPosition(QStringView field, int bodyPos);

} // namespace bodytext
