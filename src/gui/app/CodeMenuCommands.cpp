#include "gui/app/CodeMenuCommands.h"

#include "core/compose/EditedMail.h"
#include "core/pictograph/Definitions.h"
#include "core/pictograph/EmojiSources.h"
#include "core/pictograph/PaletteEntries.h"
#include "core/pictograph/PictographSlots.h"
#include "core/pictograph/UnsendableOffer.h"
#include "gui/app/MainControls.h"
#include "gui/compose/BodyEdit.h"
#include "core/pictograph/KeywordBody.h"
#include "gui/pictograph/PictographCommands.h"
#include "gui/pictograph/PictographPalette.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "gui/pictograph/UnsendableMarks.h"
#include "gui/platform/LineFields.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

// The body field as the keyword commands see it.
class BodyFieldForKeywords : public KeywordBody {
public:
    explicit BodyFieldForKeywords(BodyEdit &body) : body_(body) {}
    QString bodyText() const override { return body_.bodyText(); }
    void setBodyText(const QString &text) override { body_.setBodyText(text); }
    int bodySelectionStart() const override { return body_.bodySelectionStart(); }
    int bodySelectionLength() const override { return body_.bodySelectionLength(); }
    QString selectedBodyText() const override { return body_.selectedBodyText(); }
    void setBodySelection(int start, int length) override { body_.setBodySelection(start, length); }
    void replaceBodySelection(const QString &text) override { body_.replaceBodySelection(text); }
    void setBodyCursorPosition(int position) override { body_.setBodyCursorPosition(position); }

private:
    BodyEdit &body_;
};

template <typename W>
void bringToFront(W *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

CodeMenuCommands::CodeMenuCommands(Context context, MainControls &controls, QWidget *window)
    : QObject(window), c_(std::move(context)), controls_(controls), window_(window)
{
    connect(controls.registrationEntry, &QAction::triggered, this, [this] { openRegistrationWindow(); });
    connect(controls.substituteEntry, &QAction::triggered, this, [this] { substituteKeywords(); });
    connect(controls.removePictographsEntry, &QAction::triggered, this, [this] { restoreKeywords(); });
    connect(controls.pictographCheckEntry, &QAction::triggered, this, [this] { checkKeywords(); });
    connect(controls.paletteEntry, &QAction::triggered, this, [this] { openPalette(); });
    connect(controls.replaceUnsendableEntry, &QAction::triggered, this, [this] { replaceUnsendable(); });
    connect(controls.pictographEntries[0], &QAction::triggered, this, [this] { insertPictograph(0); });
    auto *marks = new UnsendableMarks(c_.body);
    connect(marks, &UnsendableMarks::countChanged, this, [this](int questionMarks) {
        c_.countLabel->setToolTip(questionMarks > 0 ? u"Shift-JISにない文字が"_qs + QString::number(questionMarks)
                                                          + u"個あります（「?」で送られます）"_qs
                                                    : QString());
    });
}

void CodeMenuCommands::fillPictographMenu()
{
    c_.pictographs.fill(definitions::read(c_.definitionFile));
    const QList<Definition> &entries = c_.pictographs.entries();
    for (int k = 0; k < entries.size(); ++k) {
        const QString caption = PictographSlots::caption(entries[k]);
        if (k == 0) {
            controls_.pictographEntries[0]->setText(caption);
            continue;
        }
        connect(controls_.addPictographEntry(caption), &QAction::triggered, this, [this, k] { insertPictograph(k); });
    }
}

void CodeMenuCommands::putIntoBody(const QString &symbol)
{
    c_.body->replaceBodySelection(symbol);
    c_.mail.usedPictographs += symbol;
}

void CodeMenuCommands::insertPictograph(int slot)
{
    if (const std::optional<QString> symbol = c_.pictographs.symbolAt(slot))
        putIntoBody(*symbol);
}

void CodeMenuCommands::substituteKeywords()
{
    BodyFieldForKeywords body(*c_.body);
    if (keywordcommands::substituteKeywords(body, c_.dialogs, c_.definitionFile))
        c_.mail.usedPictographs.clear();
}

void CodeMenuCommands::restoreKeywords()
{
    BodyFieldForKeywords body(*c_.body);
    if (keywordcommands::restoreKeywords(body, c_.dialogs, c_.definitionFile))
        c_.mail.usedPictographs.clear();
}

void CodeMenuCommands::checkKeywords()
{
    BodyFieldForKeywords body(*c_.body);
    c_.mail.usedPictographs += keywordcommands::checkKeywords(body, c_.dialogs, c_.definitionFile);
}

RegistrationWindow *CodeMenuCommands::registrationWindow() const
{
    // A closed window may still wait for its deletion: only a shown one counts.
    for (RegistrationWindow *window : window_->findChildren<RegistrationWindow *>(Qt::FindDirectChildrenOnly)) {
        if (!window->isHidden())
            return window;
    }
    return nullptr;
}

RegistrationWindow *CodeMenuCommands::openRegistrationWindow()
{
    RegistrationWindow *window = registrationWindow();
    if (!window) {
        window = new RegistrationWindow(c_.dialogs, c_.definitionFile, window_);
        // A symbol put in from the window goes to the end of the body.
        connect(window, &RegistrationWindow::symbolChosen, this, [this](const QString &symbol) {
            c_.body->setBodySelection(c_.body->bodyLength(), 0);
            putIntoBody(symbol);
        });
    }
    bringToFront(window);
    return window;
}

void CodeMenuCommands::openPalette()
{
    auto *palette = window_->findChild<PictographPalette *>();
    if (!palette) {
        palette = new PictographPalette(window_);
        connect(palette, &PictographPalette::pictographChosen, this, &CodeMenuCommands::putIntoBody);
    }
    // Keywords registered since the last opening show too.
    palette->setEntries(paletteEntries(EmojiSources::builtIn(), definitions::read(c_.definitionFile)));
    bringToFront(palette);
}

void CodeMenuCommands::replaceUnsendable()
{
    const QString text = c_.body->bodyText();
    const unsendable::OfferResult result =
        unsendable::offer({text}, c_.dialogs, EmojiSources::builtIn(), unsendable::Purpose::Checking);
    if (result.texts[0] != text)
        c_.body->setBodyText(result.texts[0]);
}

bool CodeMenuCommands::offerSendableText(bool withSignature)
{
    QString &signature = c_.mail.signatureText;
    QStringList texts{c_.to->text(), c_.subject->text(), c_.body->bodyText()};
    if (withSignature)
        texts.append(signature);
    const unsendable::OfferResult result =
        unsendable::offer(texts, c_.dialogs, EmojiSources::builtIn(), unsendable::Purpose::Sending);
    replaceLineText(c_.to, result.texts[0]);
    replaceLineText(c_.subject, result.texts[1]);
    c_.body->setBodyText(result.texts[2]);
    if (withSignature)
        signature = result.texts[3];
    return result.goOn;
}
