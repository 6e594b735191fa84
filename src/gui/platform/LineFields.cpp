#include "gui/platform/LineFields.h"

#include "core/platform/ControlCharacters.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// Takes every text with the control characters removed. The field applies a
// text the validator changed as a new text, which starts its undo history
// afresh; that happens only when such a character actually came in.
class WithoutControlCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override
    {
        int leftOut = 0;
        const QString kept = controlcharacters::without(input, &leftOut);
        if (leftOut > 0) {
            position = std::max(0, position - leftOut);
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

void keepControlCharactersOut(QLineEdit *field)
{
    field->setValidator(new WithoutControlCharacters(field));
}

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
