#include "pictograph/SendableText.h"

#include "compose/BodyEdit.h"
#include "pictograph/EmojiSources.h"
#include "pictograph/UnsendableOffer.h"

#include <QLineEdit>

bool offerSendableText(QLineEdit &subject, BodyEdit &body, Dialogs &dialogs)
{
    const QStringList texts{subject.text(), body.bodyText()};
    const unsendable::OfferResult result =
        unsendable::offer(texts, dialogs, EmojiSources::builtIn(), unsendable::Purpose::Sending);
    if (result.texts[0] != texts[0])
        subject.setText(result.texts[0]);
    if (result.texts[1] != texts[1])
        body.setBodyText(result.texts[1]);
    return result.goOn;
}
