#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

/// A temporary folder for one test, with helpers for code page 932 files.
class TestFolder {
public:
    TestFolder();
    QString path() const { return dir_.path(); }
    /// path() + "/" + name
    QString file(const QString &name) const;
    /// Writes text encoded as code page 932 (no line-end conversion).
    void writeText(const QString &name, const QString &text) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;
    /// Reads and decodes a code page 932 file.
    QString readText(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir dir_;
};

/// Bytes from a hex string such as "82a0 82a2" (spaces ignored).
QByteArray hexBytes(const char *hex);

/// The path of a file under tests/data.
QString testData(const QString &name);
