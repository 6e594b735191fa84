#pragma once

#include "core/handoff/AccountModel.h"

#include <QString>

#include <optional>

/// The program's Becky record "Becky.mil": where Becky keeps its data and
/// who sends through it, as discovery found it. Line 1 the data folder
/// ("NO Becky" when Becky was not found), line 2 the own address ("なし"
/// when none is set), then pairs of lines "name,number" and the account's
/// address.
namespace beckyrecord {

/// The path of "Becky.mil" in the program folder.
QString path(const QString &programFolder);

/// Reads the record. The accounts end at the end of the file or at a line
/// without ","; the number is the decimal number at the start of the text
/// after the last "," (0 when there is none). Missing lines read as empty,
/// a missing own address as none. Nothing when the file does not exist (a
/// first run).
std::optional<BeckyEnvironment> read(const QString &programFolder);

/// Replaces the record with the environment, each text cut at its first
/// line break so that it stays on its line. The old file stays when the
/// write fails; returns false then.
bool write(const QString &programFolder, const BeckyEnvironment &env);

/// The text the record stores for an own address not set, which the
/// sending-address menu shows for it too: "なし".
QString noOwnAddressText();

/// A text up to its first line break: one line of the record holds it.
QString firstLine(const QString &text);

} // namespace beckyrecord
