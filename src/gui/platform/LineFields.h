#pragma once

class QLineEdit;
class QString;

/// Keeps the control characters that controlcharacters::isLeftOut names out
/// of a one-line field, whether typed, pasted, dropped or set by the program.
void keepControlCharactersOut(QLineEdit *field);

/// Replaces a one-line field's text as one step of its undo history
/// (QLineEdit::setText would clear the history).
void replaceLineText(QLineEdit *field, const QString &text);
