#pragma once

#include <QString>

/// Plain-text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

/// Opening a document with the desktop's default program for it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openDocument(const QString &path) = 0;
};
