#pragma once

#include "core/platform/Desktop.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Registry.h"

#include <QHash>
#include <QPair>

/// The fakes of the platform seams that tests and benchmarks share.

/// A clipboard that keeps its text in memory.
class MemoryClipboard : public Clipboard {
public:
    void setText(const QString &text) override { text_ = text; }
    QString text() const override { return text_; }

private:
    QString text_;
};

/// A registry held in memory: (key path, value name) -> text, letter case
/// ignored as Windows ignores it. A value never set reads as empty.
class MemoryRegistry : public Registry {
public:
    MemoryRegistry &set(const QString &path, const QString &name, const QString &value);
    QString readString(const QString &path, const QString &name) const override;

    /// Becky's data folder setting.
    MemoryRegistry &beckyHome(const QString &home);
    /// Becky's account `k`: its name, its mail folder number as the raw text
    /// the registry reader decodes from Becky's bytes, and its address.
    MemoryRegistry &beckyAccount(int k, const QString &name, const QString &mailDirNo, const QString &address);

private:
    QHash<QPair<QString, QString>, QString> values_;
};

/// Host paths that are the Windows paths with slashes for backslashes, so
/// that a host path comes back as it is.
class PlainPaths : public HostPaths {
public:
    QString toHost(const QString &path) const override;
};

/// Dialogs that answer every box at once: Yes or OK, the default text of an
/// input box, Cancel in a file chooser. For benchmarks, which must not stop
/// at a box; tests script their boxes with ScriptedDialogs.
class AnsweringDialogs : public Dialogs {
public:
    Answer message(const QString &, const QString &, Buttons buttons, Icon) override;
    std::optional<QString> input(const QString &, const QString &, const QString &defaultText) override;
    std::optional<QString> chooseFile(const QString &, const QStringList &) override;
};

/// Makes `programFolder` a program folder that starts without questions: a
/// Becky record "Becky.mil" whose data folder is programFolder/becky/ (with
/// the own address me@docomo.ne.jp and one account "メイン", mail folder 0,
/// me@isp.example.jp) and that account's outbox folder. Returns the data
/// folder, ending in "/".
QString writeBeckyRecord(const QString &programFolder);
