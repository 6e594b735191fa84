#pragma once

#include <QRect>
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

/// Width and places of the preview panel's controls in twips, around the
/// preview box (which takes the size of the phone's screen).
struct PreviewLayout {
    int panelWidth = 0;   ///< box width + 300
    int buttonTop = 0;    ///< send image button: box top + box height + 90
    int switchTop = 0;    ///< vertical preview switch: button top + 480
    int noteTop = 0;      ///< note: switch top + 360

    friend bool operator==(const PreviewLayout &, const PreviewLayout &) = default;
};

/// The panel layout around the preview box's geometry in twips.
PreviewLayout previewLayout(const QRect &box);
