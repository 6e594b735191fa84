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

/// Sizes and places of the preview panel in twips (one full-width character
/// of the window font is 180 twips), for a screen of C columns and R rows.
struct PreviewLayout {
    int boxWidth = 0;     ///< C × 180 + 315: exactly C full-width characters a line
    int boxHeight = 0;    ///< R × 180 + 90: R lines
    int panelWidth = 0;   ///< box width + 300
    int buttonTop = 0;    ///< send image button: box top + box height + 90
    int switchTop = 0;    ///< vertical preview switch: button top + 480
    int noteTop = 0;      ///< note: switch top + 360

    friend bool operator==(const PreviewLayout &, const PreviewLayout &) = default;
};

/// The panel layout for a screen, given where the preview box's top is.
PreviewLayout previewLayout(int columns, int rows, int boxTop);
