#pragma once

#include <QList>
#include <QString>

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

/// Replaces every backslash-escaped keyword ("\" + keyword) by its symbol,
/// definition by definition, scanning on after each inserted symbol.
QString substituteEscaped(QString text, const QList<Definition> &definitions);

/// Replaces every symbol by its bare keyword, definition by definition,
/// scanning on after each inserted keyword (so a keyword that holds its own
/// symbol is not expanded again).
QString restoreKeywords(QString text, const QList<Definition> &definitions);

} // namespace definitions
