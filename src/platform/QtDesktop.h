#pragma once

#include "platform/Desktop.h"

/// The system clipboard.
class QtClipboard : public Clipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
};

/// The desktop's "open this document" service.
class QtShell : public Shell {
public:
    void openDocument(const QString &path) override;
};
