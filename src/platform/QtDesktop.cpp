#include "platform/QtDesktop.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

void QtClipboard::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void QtShell::openDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
