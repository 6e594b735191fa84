#pragma once

#include "core/handoff/MailRecord.h"

#include <QByteArray>
#include <QString>

#include <functional>

class WindowHarness;

/// Replaces the harness's Becky record with two accounts: "メイン" (mail
/// folder 0, "me@isp.example.jp") and "サブ" (mail folder 1,
/// "sub@isp.example.jp"), both with an OutBox folder. Call before start().
void writeTwoAccounts(WindowHarness &h);

/// Starts the window and switches the i-mode setting on, which enables the
/// send and signature buttons. Returns the start-up's result.
bool startImode(WindowHarness &h);

/// The bytes of account folder `mailDirNo`'s outbox or draft mailbox.
QByteArray outboxBytes(WindowHarness &h, int mailDirNo = 0);
QByteArray draftBytes(WindowHarness &h, int mailDirNo = 0);

/// The record bytes the writer appends for these fields.
QByteArray recordBytes(const MailFields &fields);

/// Fields as the harness sends them by default: From the own i-mode address.
MailFields fieldsFrom(const QString &to, const QString &subject, const QString &body);

/// The last three boxes of a send to the outbox with default options:
/// the confirmation (Yes; `whileConfirming` runs while it shows), the note,
/// and "削除？" answered with `discard`.
void expectConfirmedSend(WindowHarness &h, const MailRecord &record, bool discard = false,
                         std::function<void()> whileConfirming = {});
