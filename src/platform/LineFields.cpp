#include "platform/LineFields.h"

#include <QLineEdit>

void replaceLineText(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    field->selectAll();
    field->insert(text);
    // Typing that follows would join this step; a caret move ends a step of
    // the field's history, as it does when the user moves the caret.
    const int end = field->cursorPosition();
    field->setCursorPosition(0);
    field->setCursorPosition(end);
}
