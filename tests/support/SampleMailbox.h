#pragma once

#include "core/handoff/MailRecord.h"

#include <QByteArray>

/// The fields of the i-th sample mail: a numbered subject, a two-line body
/// with Japanese text, fixed addresses.
MailFields sampleMail(int i);

/// The bytes of a log mailbox holding `count` records written by the record
/// writer, oldest first; every third record is vertical.
QByteArray sampleLog(int count);
