#pragma once

#include <QString>

/// What the keyword commands need of the mail's body: its text, the
/// selection and the caret, in characters of the body's text.
class KeywordBody {
public:
    virtual ~KeywordBody() = default;

    virtual QString bodyText() const = 0;
    virtual void setBodyText(const QString &text) = 0;
    virtual int bodySelectionStart() const = 0;
    virtual int bodySelectionLength() const = 0;
    virtual QString selectedBodyText() const = 0;
    virtual void setBodySelection(int start, int length) = 0;
    /// Replaces the selection (or inserts at the caret) as typing does.
    virtual void replaceBodySelection(const QString &text) = 0;
    virtual void setBodyCursorPosition(int position) = 0;
};
