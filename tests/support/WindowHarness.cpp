#include "support/WindowHarness.h"

#include "gui/addressbook/AddressBookWindow.h"
#include "gui/app/Services.h"
#include "gui/compose/BodyEdit.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>

WindowHarness::WindowHarness() { writeBeckyRecord(folder.path()); }

WindowHarness::~WindowHarness()
{
    if (window_) {
        window_->hide();
        ui_.reset();
        window_.reset();
    }
}

QString WindowHarness::dataFolder() const { return folder.file(u"becky/"_qs); }

void WindowHarness::withoutBeckyRecord() { QFile::remove(folder.file(u"Becky.mil"_qs)); }

bool WindowHarness::start()
{
    services_ = std::make_unique<Services>(
        Services{dialogs, clipboard, registry, paths, folder.path(), commandLine,
                 folder.file(u"readme.txt"_qs)});
    window_ = std::make_unique<MainWindow>(*services_, state_);
    ui_ = std::make_unique<MainWindowControls>(window_.get());
    const bool started = window_->startup();
    if (started) {
        window_->show();
        QCoreApplication::processEvents(); // what the window does once it shows
    }
    return started;
}

AddressBookWindow *WindowHarness::addressBook() const
{
    for (AddressBookWindow *book : window_->findChildren<AddressBookWindow *>(Qt::FindDirectChildrenOnly)) {
        if (!book->isClosing())
            return book;
    }
    return nullptr;
}

bool WindowHarness::end(Ending how)
{
    if (how == Ending::ExitEntry)
        window_->findChild<QAction *>(u"Mnuexit"_qs)->trigger();
    else
        window_->close();
    return window_->hasEnded();
}

void WindowHarness::focusToField()
{
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(ui_->toField, &focusIn);
}

void WindowHarness::typeIntoBody(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(ui_->bodyField, Qt::Key_Return);
        else // any character, as an input method would deliver it
            QTest::sendKeyEvent(QTest::Click, ui_->bodyField, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
}

void WindowHarness::pressInBody(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(ui_->bodyField, static_cast<Qt::Key>(key), modifiers);
}

void WindowHarness::setBody(const QString &body) { ui_->bodyField->setBodyText(body); }

QString WindowHarness::body() const { return ui_->bodyField->bodyText(); }
