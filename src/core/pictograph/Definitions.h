#pragma once

#include <QList>
#include <QString>
#include <QStringView>

/// One code definition of "Emoji.code": a symbol (normally an i-mode
/// pictograph) and the keyword that stands for it.
struct Definition {
    QString symbol;
    QString keyword;
};

namespace definitions {

/// The definitions of "Emoji.code" in file order. Each line is the symbol
/// (its first character, a surrogate pair counting as one), one separator
/// character skipped whatever it is, and the keyword. Empty lines are
/// skipped.
QList<Definition> read(const QString &path);

/// The symbol at the start of a definition line.
QString symbolOf(const QString &line);

/// Replaces every backslash-escaped keyword ("\" + keyword) by its symbol.
/// One pass from the left: where several definitions match at a position,
/// the first in file order wins; a symbol put in is never scanned again.
/// Definitions with an empty keyword are left out. Linear in the length of
/// the text plus the total length of the definitions.
QString substituteEscaped(QStringView text, const QList<Definition> &definitions);

/// Replaces every symbol by its bare keyword, in the same single pass: each
/// character of `text` is replaced at most once, so a keyword holding a
/// symbol (its own or another definition's) is put in as it stands. Linear
/// in the length of the text plus the total length of the definitions.
QString restoreKeywords(QStringView text, const QList<Definition> &definitions);

} // namespace definitions
