#pragma once

#include <QString>

#include <optional>

class Dialogs;
class EmojiSources;

/// The conversation about characters code page 932 cannot hold: it lists
/// them, offers their replacements and lets the user decide whether what
/// is left goes as "?".
namespace unsendable {

/// What the offer is for.
enum class Purpose {
    Sending, ///< before the send or draft command's confirmation
    Checking ///< the code menu's own command
};

/// Runs the offer on `text`. Returns the text to go on with (with the
/// replacements when the user accepted them), or nothing when the user
/// chose to go back rather than send characters as "?". A text without
/// such characters asks nothing while sending.
std::optional<QString> offer(const QString &text, Dialogs &dialogs, const EmojiSources &emoji,
                             Purpose purpose);

/// The title of the offer's boxes.
QString offerTitle();

} // namespace unsendable
