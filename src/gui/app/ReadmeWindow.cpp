#include "gui/app/ReadmeWindow.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ReadmeWindow::ReadmeWindow(QWidget *parent) : QDialog(parent, Qt::Window), view_(new QPlainTextEdit(this))
{
    setObjectName(u"readmeWindow"_qs);
    setWindowTitle(u"ReadMe"_qs);
    view_->setReadOnly(true);
    view_->setAccessibleName(u"ReadMe"_qs);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    // Room for the readme's lines, some 48 full-width characters, and 30
    // lines of the font in use.
    const QFontMetrics metrics = view_->fontMetrics();
    resize(metrics.horizontalAdvance(u"あ"_qs) * 52, metrics.lineSpacing() * 32);
}

void ReadmeWindow::setText(const QString &text)
{
    view_->setPlainText(text);
}
