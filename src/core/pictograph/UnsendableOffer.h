#pragma once

#include <QStringList>


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

/// The outcome of an offer.
struct OfferResult {
    /// The texts with the replacements the user accepted.
    QStringList texts;
    /// False when the user chose to go back to editing rather than send
    /// characters as "?".
    bool goOn = true;

    friend bool operator==(const OfferResult &, const OfferResult &) = default;
};

/// Runs the offer on the texts (such as the subject and the body) as one
/// list. Texts without such characters ask nothing while sending.
OfferResult offer(const QStringList &texts, Dialogs &dialogs, const EmojiSources &emoji, Purpose purpose);

/// The title of the offer's boxes.
QString offerTitle();

} // namespace unsendable
