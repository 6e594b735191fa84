#pragma once

#include "core/platform/Desktop.h"

/// The system clipboard.
class QtClipboard : public Clipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
};
