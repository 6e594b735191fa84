#include "BenchWindow.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

BenchWindow::BenchWindow()
{
    const QString folder = folder_.path();
    writeBeckyRecord(folder);
    services_ = std::make_unique<Services>(
        Services{dialogs_, clipboard_, registry_, paths_, folder, QString(),
                 folder + u"/readme.txt"_qs});
    window_ = std::make_unique<MainWindow>(*services_, state_);
    ui_ = std::make_unique<MainWindowControls>(window_.get());
    if (window_->startup()) {
        window_->show();
        QCoreApplication::processEvents();
    }
}

BenchWindow::~BenchWindow()
{
    window_->hide();
    ui_.reset();
    window_.reset();
}

std::pair<FieldLook, FieldLook> fieldLooks()
{
    BenchWindow b;
    return {{b.ui().bodyField->size(), b.ui().bodyField->font()}, {b.ui().previewBox->size(), b.ui().previewBox->font()}};
}

void typeAndErase(QWidget *field, const QString &character)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QKeyEvent erased(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &press);
    QCoreApplication::sendEvent(field, &release);
    QCoreApplication::sendEvent(field, &erase);
    QCoreApplication::sendEvent(field, &erased);
    QCoreApplication::processEvents();
}
