#include "compose/CountingHandlers.h"

#include "app/CodeMenu.h"
#include "app/MainWindow.h"
#include "app/SettingsFormat.h"
#include "compose/BodyEdit.h"
#include "compose/BodyText.h"
#include "compose/CharCount.h"
#include "compose/ComposeCommands.h"
#include "handoff/HandoffCommands.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

constexpr double kYenPerUnit = 0.01615;

bool flag(MainWindow &w, int index) { return w.ui().Check1[index]->isChecked(); }

void showWarning(MainWindow &w, const QString &text)
{
    w.ui().Label5->setText(text);
    w.ui().Label5->show();
}

void writeCountLabel(MainWindow &w)
{
    const CharCount count = w.ui().Text1->count();
    QString text = formatOneDecimal(count.weighted) + u"文字 ("_qs + QString::number(count.chars) + u')';
    // The yen sign the Japanese font draws for the backslash of "\≒".
    if (w.ui().Check2->isChecked())
        text = u"\u00A5≒"_qs + formatOneDecimal(count.weighted * kYenPerUnit) + u"円 "_qs + text;
    w.ui().Label1->setText(text);
}

bool previewShowsBodyCopy(MainWindow &w)
{
    return !w.ui().Check3->isChecked() || w.state().sending;
}

// Applies an edit of the body to the preview box while it mirrors the body;
// a hidden panel is brought up to date when it is shown again.
void followBodyEdit(MainWindow &w, int position, int removed, int added)
{
    ComposeState &s = w.state();
    if (!s.previewIsBodyCopy)
        return;
    if (!w.ui().Frame3->isVisibleTo(&w)) {
        s.previewIsBodyCopy = false;
        return;
    }
    QTextCursor cursor(w.ui().Text3->document());
    cursor.setPosition(position);
    cursor.setPosition(position + removed, QTextCursor::KeepAnchor);
    cursor.insertText(w.ui().Text1->fieldText(position, added));
}

void updatePreview(MainWindow &w)
{
    MainControls &c = w.ui();
    if (!previewShowsBodyCopy(w)) {
        layOutVerticalPreview(w);
        QTextCursor end = c.Text3->textCursor();
        end.movePosition(QTextCursor::End);
        c.Text3->setTextCursor(end);
        return;
    }
    if (!c.Frame3->isVisibleTo(&w))
        return;
    refreshPreviewCopy(w);
    // An edit copied at the caret carries the box's caret along with it, so
    // it is set only when the two have parted.
    const int caret = std::min(c.Text1->textCursor().position(), c.Text3->document()->characterCount() - 1);
    if (c.Text3->textCursor().position() != caret) {
        QTextCursor cursor = c.Text3->textCursor();
        cursor.setPosition(caret);
        c.Text3->setTextCursor(cursor);
    }
}

void rebuildLimitStatus(MainWindow &w)
{
    static const QString words[9] = {u"タブ "_qs, u"改行 "_qs, u"句読点 "_qs, u"括弧 "_qs, u"タグ "_qs,
                                     u"Horo "_qs, u"文字数 "_qs, u"種別 "_qs, u"AUTO "_qs};
    QString text = u"・制限："_qs;
    for (int i = 0; i < 9; ++i) {
        if (flag(w, i))
            text += words[i];
    }
    if (w.ui().Check2->isChecked())
        text += u"i-mode"_qs;
    w.ui().Label3[0]->setText(text);
    w.ui().Label3[0]->setToolTip(text); // the whole list, when the label cuts it
}

void setImodeControlsEnabled(MainWindow &w, bool on)
{
    MainControls &c = w.ui();
    c.Combo2->setVisible(on);
    c.Command3->setEnabled(on);
    c.Command7->setEnabled(on);
    c.MnuWindow->menuAction()->setEnabled(on);
    c.imenu->menuAction()->setEnabled(on);
    c.Command4[0]->setEnabled(on);
    c.Command4[1]->setEnabled(on);
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

void onBodyKeyDown(MainWindow &w, QKeyEvent *event, bool *swallow)
{
    MainControls &c = w.ui();
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event->key();
    if (mods == Qt::ControlModifier) {
        if (key == Qt::Key_A) {
            c.Text1->selectAll();
            *swallow = true;
        } else if (key == Qt::Key_S) {
            if (c.Text1->bodyLength() > 0)
                w.services().clipboard.setText(c.Text1->bodyText());
            *swallow = true;
        } else if (isEnter(key)) {
            *swallow = true;
            sendCommand(w);
        } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            *swallow = true;
            insertPictograph(w, key - Qt::Key_0);
        }
        return;
    }
    if (!isEnter(key))
        return;
    if (c.Aouttikan->isChecked())
        w.state().substituteOnKeyUp = true;
    if (flag(w, 8))
        countCommand(w);
    else if (flag(w, 7))
        checkBodyLimit(w);
}

void onBodyKeyUp(MainWindow &w)
{
    ComposeState &s = w.state();
    if (!s.substituteOnKeyUp)
        return;
    substituteKeywords(w);
    s.substituteOnKeyUp = false;
    if (w.ui().Frame3->isVisibleTo(&w) && !w.ui().Check3->isChecked())
        showSendImage(w);
}

void onSubjectChanged(MainWindow &w)
{
    if (w.ui().Text2->text().size() > 14)
        w.dialogs().inform(u"15文字以上は、危険です。"_qs);
}

} // namespace

void onBodyChanged(MainWindow &w)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    const CharCount count = c.Text1->count();
    const int limit = s.bodyLimit;
    if (limit <= 0 || count.chars < limit || !flag(w, 6)) {
        c.Label5->hide();
    } else if (flag(w, 7)) {
        if (count.weighted > limit)
            checkBodyLimit(w);
    } else {
        showWarning(w, QString::number(limit) + u"文字を"_qs + QString::number(count.chars - limit)
                           + u"オーバーです。制限数に達しました。"_qs);
    }
    s.bodyModified = true;
    updatePreview(w);
    // A trim offered above may have changed the body: count what is there now.
    writeCountLabel(w);
}

void checkBodyLimit(MainWindow &w)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    int effective = s.bodyLimit;
    if (!s.sending && s.signatureOn)
        effective -= static_cast<int>(s.signatureText.size());
    // Without an active limit there is nothing to cut.
    if (s.bodyLimit <= 0 || effective <= 0)
        return;

    const QString body = c.Text1->bodyText();
    const int n = static_cast<int>(body.size());
    double weight = 0;
    int cut = 0;
    double weightAtCut = 0;
    for (int i = 1; i <= n; ++i) {
        weight += unitWeight(body, i - 1);
        if (weight >= effective && cut == 0) {
            cut = i;
            weightAtCut = weight;
        }
    }
    if (weight > effective) {
        showWarning(w, QString::number(s.bodyLimit) + u"文字を"_qs + formatShortest(weight - effective)
                           + u"文字オーバー。制限数に達しました。"_qs);
        if (w.dialogs().askYesNo(u"overした分を削除しますか？"_qs, u"文字削除"_qs)) {
            c.Text1->setBodySelection(cut - 1, n - (cut - 1));
            c.Text1->replaceBodySelection(QString());
            c.Label5->hide();
            weight = weightAtCut - 1;
            c.Text1->setBodyCursorPosition(cut);
        } else {
            c.Text1->setBodySelection(cut, n - cut);
        }
    } else {
        c.Label5->hide();
    }
    c.Label1->setText(formatShortest(weight) + u"文字 ("_qs + QString::number(c.Text1->bodyLength()) + u')');
}

void onLimitFlagChanged(MainWindow &w, int index)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    if (index == 6 && c.Check1[6]->isChecked()) {
        // Empty text, text that is not a number and numbers beyond 16 bits
        // all count as 0.
        int candidate = settingsformat::parseInt16(s.pendingLimit).value_or(0);
        if (candidate != 0) {
            s.pendingLimit = u"0"_qs;
        } else {
            candidate = settingsformat::parseInt16(w.dialogs().input(
                                                       u"制限する文字数を入力してください。"_qs,
                                                       u"制限文字数"_qs, u"256"_qs))
                            .value_or(0);
        }
        if (candidate < 11) {
            w.dialogs().inform(u"10文字以下には設定できません。"_qs);
            s.bodyLimit = 0;
            c.Check1[6]->setChecked(false);
        } else {
            s.bodyLimit = candidate;
        }
    }
    rebuildLimitStatus(w);
}

void onImodeSettingChanged(MainWindow &w)
{
    MainControls &c = w.ui();
    ComposeState &s = w.state();
    if (c.Check2->isChecked()) {
        s.savedFlagPair = QString(flag(w, 6) ? u'1' : u'0') + (flag(w, 7) ? u'1' : u'0');
        s.pendingLimit = u"250"_qs;
        c.Check1[6]->setChecked(true);
        c.Check1[7]->setChecked(true);
        c.Aouttikan->setChecked(true);
        setImodeControlsEnabled(w, true);
    } else {
        if (s.savedFlagPair.size() == 2) {
            c.Check1[6]->setChecked(s.savedFlagPair.at(0) == u'1');
            c.Check1[7]->setChecked(s.savedFlagPair.at(1) == u'1');
        }
        c.Aouttikan->setChecked(false);
        setImodeControlsEnabled(w, false);
        if (c.Frame3->isVisibleTo(&w)) {
            c.Frame3->hide();
            w.layoutControls();
        }
    }
    // The status label ends in "i-mode" exactly while the setting is on.
    rebuildLimitStatus(w);
    writeCountLabel(w);
}

void onVerticalPreviewChanged(MainWindow &w)
{
    MainControls &c = w.ui();
    if (c.Check3->isChecked()) {
        c.Command5->setEnabled(false);
        layOutVerticalPreview(w);
    } else {
        c.Command5->setEnabled(true);
        w.state().previewIsBodyCopy = false;
        refreshPreviewCopy(w);
    }
}

void setPreviewText(MainWindow &w, const QString &bodyFormText)
{
    w.state().previewIsBodyCopy = false;
    w.ui().Text3->setPlainText(bodytext::toField(bodyFormText));
}

void refreshPreviewCopy(MainWindow &w)
{
    ComposeState &s = w.state();
    if (s.previewIsBodyCopy || !previewShowsBodyCopy(w))
        return;
    w.ui().Text3->setPlainText(w.ui().Text1->fieldText());
    s.previewIsBodyCopy = true;
}

void connectCountingHandlers(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.Text1, &BodyEdit::bodyChanged, &w, [&w] { onBodyChanged(w); });
    QObject::connect(c.Text1, &BodyEdit::fieldEdited, &w,
                     [&w](int position, int removed, int added) { followBodyEdit(w, position, removed, added); });
    QObject::connect(c.Text1, &BodyEdit::keyDown, &w,
                     [&w](QKeyEvent *event, bool *swallow) { onBodyKeyDown(w, event, swallow); });
    QObject::connect(c.Text1, &BodyEdit::keyUp, &w, [&w](QKeyEvent *) { onBodyKeyUp(w); });
    QObject::connect(c.Text2, &QLineEdit::textChanged, &w, [&w] { onSubjectChanged(w); });
    QObject::connect(c.Text2, &QLineEdit::returnPressed, &w, [&w] { w.ui().Text1->setFocus(); });
    for (int i = 0; i < 9; ++i)
        QObject::connect(c.Check1[i], &QCheckBox::toggled, &w, [&w, i] { onLimitFlagChanged(w, i); });
    QObject::connect(c.Check2, &QCheckBox::toggled, &w, [&w] { onImodeSettingChanged(w); });
    QObject::connect(c.Check3, &QCheckBox::toggled, &w, [&w] { onVerticalPreviewChanged(w); });
    setImodeControlsEnabled(w, false);
}
