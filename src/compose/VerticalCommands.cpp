#include "compose/VerticalCommands.h"

#include "app/MainWindow.h"
#include "compose/BodyEdit.h"
#include "compose/ComposeCommands.h"
#include "compose/CountingHandlers.h"
#include "compose/PreviewCommands.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QPalette>
#include <QPushButton>

namespace {

const QString kPageWord = u"次のページ"_qs;

QString refusal(const PhoneModel &model)
{
    return u"機種「%1」の画面（%2列×%3行）では、縦書きにできません。\r\n"
           "縦書きには、横5文字以上・縦1行以上の画面の機種を選んでください。"_qs
        .arg(model.name)
        .arg(model.columns())
        .arg(model.rows());
}

QString verticalNotice()
{
    return u"1.縦書きは、文字数を多く使用するので、横書きの場合より、文字数制限がきつくなります。\r\n"
           "2.半角文字は、使えません。半角文字は、全角文字に自動で調整されますがプレビューが\r\n"
           "\u3000おかしくなった場合は、半角部分を全角にしてみてください。\r\n"
           "3.署名機能は、横書き専用の為使用できませんので、手動でお書きください。\r\n"
           "\r\n"
           "※もう１度クリックすると、横書きモードになります。"_qs;
}

} // namespace

bool toVertical(MainWindow &w, VerticalForm form)
{
    const PhoneModel model = selectedPhoneModel(w);
    const std::optional<VerticalGeometry> geometry = VerticalGeometry::of(model);
    if (!geometry) {
        // The preview runs on every keystroke: a note in the box, no box.
        if (form == VerticalForm::Preview)
            setPreviewText(w, u"（この機種の画面では、縦書きプレビューを表示できません。）"_qs);
        else
            w.dialogs().inform(refusal(model));
        return false;
    }
    BodyEdit *body = w.ui().Text1;
    PreparedLayout prepared = prepareVertical(body->bodyText(), *geometry);
    if (form != VerticalForm::Preview && prepared.excess() > 0) {
        if (w.dialogs().askYesNo(verticalBudgetQuestion(prepared.excess()), verticalBudgetTitle()))
            prepared.cutToBudget();
        else if (form == VerticalForm::TextView)
            return false;
    }
    const QString layout = renderVertical(prepared.text, *geometry, form);
    if (form == VerticalForm::Preview)
        setPreviewText(w, layout);
    else
        body->setBodyText(layout);
    return true;
}

void layOutVerticalPreview(MainWindow &w) { toVertical(w, VerticalForm::Preview); }

std::optional<QString> horizontalText(MainWindow &w, QStringView layout)
{
    // A separator in the text gives the geometry; otherwise the model does.
    const PhoneModel model = selectedPhoneModel(w);
    if (!layout.contains(kPageWord) && !model.canLayOutVertically()) {
        w.dialogs().inform(refusal(model));
        return std::nullopt;
    }
    return fromVertical(layout, model.columns(), model.rows());
}

void bodyFromVertical(MainWindow &w)
{
    BodyEdit *body = w.ui().Text1;
    if (const std::optional<QString> text = horizontalText(w, body->bodyText()))
        body->setBodyText(*text);
}

void setVerticalMode(MainWindow &w, bool on)
{
    QPushButton *button = w.ui().Command7;
    if (on) {
        QPalette red = button->palette();
        red.setColor(QPalette::Button, Qt::red);
        red.setColor(QPalette::Window, Qt::red);
        button->setPalette(red);
    } else {
        button->setPalette(QPalette()); // back to the system's button face
    }
    w.state().verticalMode = on;
    w.ui().Check3->setChecked(on);
}

void toggleVerticalMode(MainWindow &w)
{
    if (!w.state().verticalMode) {
        if (!w.dialogs().askYesNo(u"縦書きで、i-modeメールを送信しますか？"_qs, u"縦書きﾓｰﾄﾞON？"_qs))
            return;
        setVerticalMode(w, true);
        w.dialogs().inform(verticalNotice(), u"諸注意"_qs);
    } else {
        w.dialogs().inform(u"通常の横書きモードに戻します。"_qs, u"横書きモード チェンジ"_qs);
        setVerticalMode(w, false);
    }
}
