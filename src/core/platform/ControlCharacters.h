#pragma once

#include <QString>
#include <QStringView>

/// The control characters no text field of the mail takes: U+0000 to U+001F
/// except TAB, CR and LF. A NUL or an escape in a mailbox record or a book
/// line would corrupt it for Becky.
namespace controlcharacters {

/// True for a character that is left out of the fields.
constexpr bool isLeftOut(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n';
}

/// `text` without those characters (the text itself, not a copy, when it
/// holds none); `leftOut`, when given, gets how many there were.
QString without(const QString &text, int *leftOut = nullptr);

/// The message after loading a text that held `count` of them.
QString leftOutMessage(int count);

} // namespace controlcharacters
