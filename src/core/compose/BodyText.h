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

/// Where two texts differ: they share `prefix` characters at the start and
/// `suffix` at the end, which never overlap and never split a surrogate
/// pair. Replacing only what lies between keeps an edit small.
struct ChangedRange {
    qsizetype prefix = 0;
    qsizetype suffix = 0;
};
ChangedRange changedRange(QStringView before, QStringView after);

} // namespace bodytext
