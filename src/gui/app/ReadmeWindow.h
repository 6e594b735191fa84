#pragma once

#include <QDialog>

class QPlainTextEdit;

/// The user documentation inside the program: a read-only text window that
/// stays open beside the main window. ESC, the close box and "閉じる" close
/// it.
class ReadmeWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReadmeWindow(QWidget *parent);

    /// Shows `text` from its start.
    void setText(const QString &text);

private:
    QPlainTextEdit *view_;
};
