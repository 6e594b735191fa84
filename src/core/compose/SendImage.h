#pragma once

#include <QString>
#include <QStringView>

/// The send image: the body (in its CR LF form) as a phone with `columns`
/// full-width characters per row wraps it, followed by the signature as the
/// send command appends it.
///
/// A row holds 2 × `columns` half-width units (a single-byte character
/// takes one, any other two). A row filled exactly gets CR LF; a double-byte
/// character that would stick out by one unit moves to a new row. LF starts
/// a new count. When `signatureOn` and the stored signature is not empty,
/// CR LF and the signature (backslash + "n" as CR LF) follow, unwrapped.
QString renderSendImage(QStringView body, int columns, bool signatureOn, QStringView storedSignature);
