#pragma once

class QLineEdit;
class QString;

/// Replaces a one-line field's text as one step of its undo history
/// (QLineEdit::setText would clear the history).
void replaceLineText(QLineEdit *field, const QString &text);
