#pragma once

#include "core/platform/Dialogs.h"

class QWidget;

/// Real message and input boxes and the desktop's file chooser, owned by a
/// parent window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }

    Answer message(const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    std::optional<QString> chooseFile(const QString &title,
                                      const QStringList &nameFilters) override;

private:
    QWidget *parent_;
};
