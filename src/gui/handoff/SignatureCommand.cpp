#include "gui/handoff/SignatureCommand.h"

#include "gui/compose/ComposeContext.h"
#include "core/compose/EditedMail.h"
#include "core/compose/SignatureText.h"
#include "gui/handoff/HandoffContext.h"
#include "core/platform/Dialogs.h"

#include <QLabel>

void showSignature(HandoffContext &h, QObject *owner)
{
    QLabel *label = h.ui.signatureStatusLabel;
    const auto show = [label](bool on) { label->setText(on ? u"・署名追加：ON"_qs : u"・署名追加：OFF"_qs); };
    show(h.compose.mail.signatureOn());
    QObject::connect(&h.compose.mail, &EditedMail::signatureOnChanged, owner, show);
}

void signatureCommand(HandoffContext &h)
{
    Dialogs &dialogs = h.dialogs;
    QString &stored = h.compose.mail.signatureText;
    QString remembered;
    if (dialogs.askYesNo(u"署名をつけますか？"_qs, u"署名"_qs)) {
        h.compose.mail.setSignatureOn(true);
        if (!stored.isEmpty()) {
            remembered = stored;
            if (!dialogs.askYesNo(u"書名は、「"_qs + stored + u"」でよろしいですか？"_qs, u"署名変更確認"_qs))
                stored.clear();
        }
    } else {
        h.compose.mail.setSignatureOn(false);
    }
    if (!stored.isEmpty())
        return;
    const QString fallback = remembered.isEmpty() ? u"名無しの権兵衛"_qs : remembered;
    const std::optional<QString> entered = dialogs.input(
        u"署名を記入してください。改行は、\\nで表現してください。"_qs, u"署名保存"_qs, fallback);
    if (!entered) {
        // Cancelled: the signature stays as it was, and none stays off.
        stored = remembered;
        if (stored.isEmpty())
            h.compose.mail.setSignatureOn(false);
        dialogs.inform(u"キャンセルされました。"_qs);
    } else if (entered->isEmpty()) {
        stored = fallback;
        dialogs.inform(u"キャンセルされました。"_qs);
    } else {
        stored = *entered;
        dialogs.inform(signatureText(*entered) + u"を署名として保存します。"_qs);
    }
}
