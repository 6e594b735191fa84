#include "gui/compose/VerticalCommands.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/EditedMail.h"
#include "gui/compose/PreviewCommands.h"
#include "gui/compose/PreviewMirror.h"
#include "core/platform/Dialogs.h"

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

std::optional<QString> verticalLayout(ComposeContext &c, VerticalForm form)
{
    const PhoneModel model = selectedPhoneModel(c);
    const std::optional<VerticalGeometry> geometry = VerticalGeometry::of(model);
    if (!geometry) {
        // The preview runs on every keystroke: a note in the box, no box.
        if (form == VerticalForm::Preview)
            setPreviewText(c, u"（この機種の画面では、縦書きプレビューを表示できません。）"_qs);
        else
            c.dialogs.inform(refusal(model));
        return std::nullopt;
    }
    PreparedLayout prepared = prepareVertical(c.ui.bodyField->bodyText(), *geometry);
    if (form != VerticalForm::Preview && prepared.excess() > 0) {
        if (c.dialogs.askYesNo(verticalBudgetQuestion(prepared.excess()), verticalBudgetTitle()))
            prepared.cutToBudget();
        else if (form == VerticalForm::TextView)
            return std::nullopt;
    }
    return renderVertical(prepared.text, *geometry, form);
}

bool toVertical(ComposeContext &c, VerticalForm form)
{
    const std::optional<QString> layout = verticalLayout(c, form);
    if (!layout)
        return false;
    if (form == VerticalForm::Preview)
        setPreviewText(c, *layout);
    else
        c.ui.bodyField->setBodyText(*layout);
    return true;
}

void layOutVerticalPreview(ComposeContext &c) { toVertical(c, VerticalForm::Preview); }

std::optional<QString> horizontalText(ComposeContext &c, QStringView layout)
{
    // A separator in the text gives the geometry; otherwise the model does.
    const PhoneModel model = selectedPhoneModel(c);
    if (!layout.contains(kPageWord) && !model.canLayOutVertically()) {
        c.dialogs.inform(refusal(model));
        return std::nullopt;
    }
    return fromVertical(layout, model.columns(), model.rows());
}

void bodyFromVertical(ComposeContext &c)
{
    BodyEdit *body = c.ui.bodyField;
    if (const std::optional<QString> text = horizontalText(c, body->bodyText()))
        body->setBodyText(*text);
}

void showVerticalMode(ComposeContext &c, bool on)
{
    QPushButton *button = c.ui.verticalModeButton;
    if (on) {
        QPalette red = button->palette();
        red.setColor(QPalette::Button, Qt::red);
        red.setColor(QPalette::Window, Qt::red);
        button->setPalette(red);
    } else {
        button->setPalette(QPalette()); // back to the system's button face
    }
}

void setVerticalMode(ComposeContext &c, bool on)
{
    c.mail.setVerticalMode(on);
    c.ui.verticalPreviewSwitch->setChecked(on);
}

void toggleVerticalMode(ComposeContext &c)
{
    if (!c.mail.verticalMode()) {
        if (!c.dialogs.askYesNo(u"縦書きで、i-modeメールを送信しますか？"_qs, u"縦書きﾓｰﾄﾞON？"_qs))
            return;
        setVerticalMode(c, true);
        c.dialogs.inform(verticalNotice(), u"諸注意"_qs);
    } else {
        c.dialogs.inform(u"通常の横書きモードに戻します。"_qs, u"横書きモード チェンジ"_qs);
        setVerticalMode(c, false);
    }
}
