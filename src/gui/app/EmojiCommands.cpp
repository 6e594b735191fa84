#include "gui/app/EmojiCommands.h"

#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "gui/compose/BodyEdit.h"
#include "core/pictograph/Definitions.h"
#include "core/pictograph/EmojiSources.h"
#include "core/pictograph/PaletteEntries.h"
#include "gui/pictograph/PictographPalette.h"
#include "gui/pictograph/UnsendableMarks.h"
#include "core/pictograph/UnsendableOffer.h"
#include "gui/platform/LineFields.h"
#include "core/platform/ProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

void showCountToolTip(MainWindow &w, int questionMarks)
{
    w.ui().countLabel->setToolTip(questionMarks > 0 ? u"Shift-JISにない文字が"_qs + QString::number(questionMarks)
                                                      + u"個あります（「?」で送られます）"_qs
                                                : QString());
}

void openPalette(MainWindow &w)
{
    auto *palette = w.findChild<PictographPalette *>();
    if (!palette) {
        palette = new PictographPalette(&w);
        QObject::connect(palette, &PictographPalette::pictographChosen, &w, [&w](const QString &symbol) {
            w.ui().bodyField->replaceBodySelection(symbol);
            w.state().mail.usedPictographs += symbol;
        });
    }
    // Keywords registered since the last opening show too.
    palette->setEntries(
        paletteEntries(EmojiSources::builtIn(), definitions::read(w.programFile(programfiles::pictographs))));
    palette->show();
    palette->raise();
    palette->activateWindow();
}

void replaceUnsendable(MainWindow &w)
{
    BodyEdit *body = w.ui().bodyField;
    const QString text = body->bodyText();
    const unsendable::OfferResult result =
        unsendable::offer({text}, w.dialogs(), EmojiSources::builtIn(), unsendable::Purpose::Checking);
    if (result.texts[0] != text)
        body->setBodyText(result.texts[0]);
}

QAction *codeMenuEntry(MainWindow &w, const QString &name, const QString &caption)
{
    QMenu *menu = w.ui().codeMenu;
    // Above the separator that starts the pictograph entries.
    const QList<QAction *> entries = menu->actions();
    const qsizetype first = entries.indexOf(w.ui().pictographEntries.value(0));
    QAction *before = first > 0 ? entries[first - 1] : nullptr;
    auto *action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->insertAction(before, action);
    return action;
}

} // namespace

void connectEmojiCommands(MainWindow &w)
{
    auto *marks = new UnsendableMarks(w.ui().bodyField);
    QObject::connect(marks, &UnsendableMarks::countChanged, &w, [&w](int n) { showCountToolTip(w, n); });
    QObject::connect(codeMenuEntry(w, u"pictographPalette"_qs, u"絵文字パレット(&P)"_qs), &QAction::triggered, &w,
                     [&w] { openPalette(w); });
    QObject::connect(codeMenuEntry(w, u"replaceUnsendable"_qs, u"Shift-JISにない文字の置き換え(&R)"_qs),
                     &QAction::triggered, &w, [&w] { replaceUnsendable(w); });
}

bool offerSendableText(MainWindow &w, bool withSignature)
{
    QLineEdit *to = w.ui().toField->lineEdit();
    QLineEdit *subject = w.ui().subjectField;
    BodyEdit *body = w.ui().bodyField;
    QString &signature = w.state().mail.signatureText;
    QStringList texts{to->text(), subject->text(), body->bodyText()};
    if (withSignature)
        texts.append(signature);
    const unsendable::OfferResult result =
        unsendable::offer(texts, w.dialogs(), EmojiSources::builtIn(), unsendable::Purpose::Sending);
    replaceLineText(to, result.texts[0]);
    replaceLineText(subject, result.texts[1]);
    body->setBodyText(result.texts[2]);
    if (withSignature)
        signature = result.texts[3];
    return result.goOn;
}
