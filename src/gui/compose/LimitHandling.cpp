#include "gui/compose/LimitHandling.h"

#include "gui/compose/BodyEdit.h"
#include "core/compose/CharCount.h"
#include "core/compose/CommandProgress.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/ComposeHost.h"
#include "core/compose/CountLabel.h"
#include "core/compose/EditedMail.h"
#include "core/compose/LimitCut.h"
#include "gui/compose/PreviewMirror.h"
#include "core/platform/Dialogs.h"
#include "core/platform/SettingsFormat.h"
#include "gui/platform/Visibility.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

void showWarning(ComposeContext &c, const QString &text)
{
    c.ui.warningLabel->setText(text);
    c.ui.warningLabel->show();
}

void writeCountLabel(ComposeContext &c)
{
    c.ui.countLabel->setText(typingCountLabelText(c.ui.bodyField->count(), c.mail.imode()));
}

void rebuildLimitStatus(ComposeContext &c)
{
    static const QString words[allLimitFlags.size()] = {
        u"タブ "_qs, u"改行 "_qs, u"句読点 "_qs, u"括弧 "_qs, u"タグ "_qs,
        u"Horo "_qs, u"文字数 "_qs, u"種別 "_qs, u"AUTO "_qs};
    QString text = u"・制限："_qs;
    for (const LimitFlag flag : allLimitFlags) {
        if (c.mail.hasLimitFlag(flag))
            text += words[static_cast<int>(flag)];
    }
    if (c.mail.imode())
        text += u"i-mode"_qs;
    c.ui.limitStatusLabel->setText(text);
    c.ui.limitStatusLabel->setToolTip(text); // the whole list, when the label cuts it
}

} // namespace

void onBodyChanged(ComposeContext &c)
{
    const CharCount count = c.ui.bodyField->count();
    const int limit = c.mail.bodyLimit;
    if (limit <= 0 || count.chars < limit || !c.mail.hasLimitFlag(LimitFlag::CharacterLimit)) {
        c.ui.warningLabel->hide();
    } else if (c.mail.hasLimitFlag(LimitFlag::Classify)) {
        if (count.weighted > limit)
            checkBodyLimit(c);
    } else {
        showWarning(c, QString::number(limit) + u"文字を"_qs + QString::number(count.chars - limit)
                           + u"オーバーです。制限数に達しました。"_qs);
    }
    c.mail.bodyModified = true;
    updatePreview(c);
    // A trim offered above may have changed the body: count what is there now.
    writeCountLabel(c);
}

void checkBodyLimit(ComposeContext &c)
{
    BodyEdit *body = c.ui.bodyField;
    int effective = c.mail.bodyLimit;
    if (!c.command.sending && c.mail.signatureOn())
        effective -= static_cast<int>(c.mail.signatureText.size());
    // Without an active limit there is nothing to cut.
    if (c.mail.bodyLimit <= 0 || effective <= 0)
        return;

    const QString text = body->bodyText();
    const int n = static_cast<int>(text.size());
    const LimitCut found = findLimitCut(text, effective);
    double weight = found.weight;
    if (found.over(effective)) {
        showWarning(c, QString::number(c.mail.bodyLimit) + u"文字を"_qs + formatShortest(weight - effective)
                           + u"文字オーバー。制限数に達しました。"_qs);
        // An undo or redo only shows the warning: a cut would undo it again.
        if (!body->isReplayingHistory()) {
            if (c.dialogs.askYesNo(u"overした分を削除しますか？"_qs, u"文字削除"_qs)) {
                body->setBodySelection(found.cut - 1, n - (found.cut - 1));
                body->replaceBodySelection(QString());
                c.ui.warningLabel->hide();
                weight = found.weightAtCut - 1;
                body->setBodyCursorPosition(found.cut);
            } else {
                body->setBodySelection(found.cut, n - found.cut);
            }
        }
    } else {
        c.ui.warningLabel->hide();
    }
    c.ui.countLabel->setText(countLabelText(formatShortest(weight), body->bodyLength()));
}

void onLimitFlagChanged(ComposeContext &c, LimitFlag flag)
{
    if (flag == LimitFlag::CharacterLimit && c.mail.hasLimitFlag(flag)) {
        int candidate = 0;
        if (c.command.pendingLimit) {
            candidate = *c.command.pendingLimit;
            c.command.pendingLimit.reset();
        } else {
            const std::optional<QString> answer =
                c.dialogs.input(u"制限する文字数を入力してください。"_qs, u"制限文字数"_qs, u"256"_qs);
            if (!answer) {
                // A cancel takes back the switching-on, without a word.
                c.mail.setLimitFlag(flag, false);
                return;
            }
            // Empty text, text that is not a number and numbers beyond 16
            // bits all count as 0.
            candidate = settingsformat::parseInt16(*answer).value_or(0);
        }
        if (candidate < 11) {
            c.dialogs.inform(u"10文字以下には設定できません。"_qs);
            c.mail.bodyLimit = 0;
            c.mail.setLimitFlag(flag, false);
        } else {
            c.mail.bodyLimit = candidate;
        }
    }
    rebuildLimitStatus(c);
}

void onImodeSettingChanged(ComposeContext &c)
{
    EditedMail &mail = c.mail;
    if (mail.imode()) {
        c.command.savedLimitFlags =
            SavedLimitFlags{mail.hasLimitFlag(LimitFlag::CharacterLimit), mail.hasLimitFlag(LimitFlag::Classify)};
        c.command.pendingLimit = 250;
        mail.setLimitFlag(LimitFlag::CharacterLimit, true);
        mail.setLimitFlag(LimitFlag::Classify, true);
        mail.setAutoSubstitute(true);
        setImodeControlsEnabled(c, true);
    } else {
        if (const std::optional<SavedLimitFlags> saved = c.command.savedLimitFlags) {
            mail.setLimitFlag(LimitFlag::CharacterLimit, saved->characterLimit);
            mail.setLimitFlag(LimitFlag::Classify, saved->classify);
        }
        mail.setAutoSubstitute(false);
        setImodeControlsEnabled(c, false);
        c.ui.previewPanel->hide();
    }
    // The status label ends in "i-mode" exactly while the setting is on.
    rebuildLimitStatus(c);
    writeCountLabel(c);
}

void setImodeControlsEnabled(ComposeContext &c, bool on)
{
    c.ui.verticalModeButton->setEnabled(on);
    c.ui.previewButton->setEnabled(on);
}

QString withinSendingLimit(ComposeContext &c, QString outgoing)
{
    const int limit = c.mail.bodyLimit;
    if (limit <= 0 || !c.mail.hasLimitFlag(LimitFlag::CharacterLimit) || !c.mail.hasLimitFlag(LimitFlag::Classify))
        return outgoing;
    const CharCount count = countBody(outgoing);
    if (count.chars < limit || count.weighted <= limit)
        return outgoing;
    const LimitCut found = findLimitCut(outgoing, limit);
    if (found.over(limit) && c.dialogs.askYesNo(u"overした分を削除しますか？"_qs, u"文字削除"_qs))
        outgoing.truncate(found.cut - 1);
    return outgoing;
}
