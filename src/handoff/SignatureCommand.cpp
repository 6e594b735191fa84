#include "handoff/SignatureCommand.h"

#include "app/MainWindow.h"
#include "compose/SignatureText.h"
#include "platform/Dialogs.h"

#include <QLabel>

namespace {

// The status label keeps its first six characters ("・署名追加：") and ends
// in ON or OFF.
void showSignatureOn(MainWindow &w, bool on)
{
    w.state().signatureOn = on;
    QLabel *label = w.ui().Label3[1];
    label->setText(label->text().left(6) + (on ? u"ON"_qs : u"OFF"_qs));
}

} // namespace

void signatureCommand(MainWindow &w)
{
    Dialogs &dialogs = w.dialogs();
    QString &stored = w.state().signatureText;
    QString remembered;
    if (dialogs.askYesNo(u"署名をつけますか？"_qs, u"署名"_qs)) {
        showSignatureOn(w, true);
        if (!stored.isEmpty()) {
            remembered = stored;
            if (!dialogs.askYesNo(u"書名は、「"_qs + stored + u"」でよろしいですか？"_qs, u"署名変更確認"_qs))
                stored.clear();
        }
    } else {
        showSignatureOn(w, false);
    }
    if (!stored.isEmpty())
        return;
    const QString fallback = remembered.isEmpty() ? u"名無しの権兵衛"_qs : remembered;
    const QString entered = dialogs.input(u"署名を記入してください。改行は、\\nで表現してください。"_qs,
                                          u"署名保存"_qs, fallback);
    if (entered.isEmpty()) {
        stored = fallback;
        dialogs.inform(u"キャンセルされました。"_qs);
    } else {
        stored = entered;
        dialogs.inform(signatureText(entered) + u"を署名として保存します。"_qs);
    }
}
