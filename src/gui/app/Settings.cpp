#include "gui/app/Settings.h"

#include "gui/app/MainWindow.h"
#include "core/app/PresetFile.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/PreviewMirror.h"
#include "core/handoff/MailListModel.h"
#include "gui/handoff/MailReader.h"
#include "gui/handoff/SignatureCommand.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/SettingsFormat.h"
#include "core/platform/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QScreen>

#include <functional>

namespace {

using namespace settingsformat;

/// What the close sequence found before it switched the i-mode setting off.
struct Closing {
    bool imode;
    bool look;
};

/// One key of the settings file: how a line applies to the window and how
/// the window's value is written back.
struct Key {
    const char16_t *name;
    std::function<void(MainWindow &, const QString &value, const QString &line)> apply;
    std::function<QString(MainWindow &, const Closing &)> write;
};

QString flagValue(bool on) { return on ? u"1"_qs : u"0"_qs; }

Key limitFlag(const char16_t *name, LimitFlag flag)
{
    return {name,
            [flag](MainWindow &w, const QString &value, const QString &) {
                const std::optional<int> v = parseInt16(value);
                if (v == 0 || v == 1)
                    w.ui().limitFlags[flag]->setChecked(*v == 1);
            },
            [flag](MainWindow &w, const Closing &) { return flagValue(w.ui().limitFlags.isOn(flag)); }};
}

Key menuCheck(const char16_t *name, QAction *MainControls::*entry)
{
    return {name,
            [entry](MainWindow &w, const QString &value, const QString &) {
                if (const std::optional<bool> on = parseBoolean(value))
                    (w.ui().*entry)->setChecked(*on);
            },
            [entry](MainWindow &w, const Closing &) { return formatBoolean((w.ui().*entry)->isChecked()); }};
}

Key storedIndex(const char16_t *name, int AccountChoice::*index)
{
    return {name,
            [index](MainWindow &w, const QString &value, const QString &) {
                if (const std::optional<int> v = parseInt16(value))
                    w.state().account.*index = *v;
            },
            [index](MainWindow &w, const Closing &) { return QString::number(w.state().account.*index); }};
}

// The account-change mode is stored as its menu position; other numbers
// leave the mode as it is.
Key accountChangeMode(const char16_t *name)
{
    return {name,
            [](MainWindow &w, const QString &value, const QString &) {
                const std::optional<int> v = parseInt16(value);
                if (v && *v >= 0 && *v <= static_cast<int>(AccountChangeMode::Ask))
                    w.state().account.accountChangeMode = static_cast<AccountChangeMode>(*v);
            },
            [](MainWindow &w, const Closing &) {
                return QString::number(static_cast<int>(w.state().account.accountChangeMode));
            }};
}

// The room the window's screen offers, in twips.
QSize screenSizeTwips(const MainWindow &w)
{
    const QRect room = w.screen()->availableGeometry();
    return {w.twips().toTwips(room.width()), w.twips().toTwips(room.height())};
}

// A window side from the file, or nothing when the screen cannot hold it or
// it is too small to find (under an inch): the window then keeps its size.
std::optional<int> windowSize(const QString &value, int screenTwips)
{
    constexpr int kInch = 1440;
    return parseSize(value, kInch, std::max(kInch, screenTwips));
}

// The keys in the order the writer puts them.
const std::vector<Key> &keys()
{
    static const std::vector<Key> table = {
        {u"Xsiz",
         [](MainWindow &w, const QString &value, const QString &) {
             if (const std::optional<int> height = windowSize(value, screenSizeTwips(w).height()))
                 w.setWindowSizeTwips(w.windowSizeTwips().width(), *height);
         },
         [](MainWindow &w, const Closing &) { return formatSingle(w.windowSizeTwips().height()); }},
        {u"Ysiz",
         [](MainWindow &w, const QString &value, const QString &) {
             if (const std::optional<int> width = windowSize(value, screenSizeTwips(w).width()))
                 w.setWindowSizeTwips(*width, w.windowSizeTwips().height());
         },
         [](MainWindow &w, const Closing &) { return formatSingle(w.windowSizeTwips().width()); }},
        limitFlag(u"Sei0", LimitFlag::SkipBlanks),
        limitFlag(u"Sei1", LimitFlag::SkipLineBreaks),
        limitFlag(u"Sei2", LimitFlag::SkipPunctuation),
        limitFlag(u"Sei3", LimitFlag::SkipBrackets),
        limitFlag(u"Sei4", LimitFlag::SkipTags),
        limitFlag(u"Sei5", LimitFlag::SkipHoro),
        // The flag's digit, a backslash and the body limit: the limit goes to
        // the flag first, so that switching the flag on takes it unasked.
        {u"Sei6",
         [](MainWindow &w, const QString &, const QString &line) {
             if (line.size() < 6)
                 return;
             // Empty text, text that is not a number and 0 leave no limit
             // waiting: switching the flag on asks for one.
             const std::optional<int> limit = parseInt16(line.mid(7));
             if (limit && *limit != 0)
                 w.state().command.pendingLimit = *limit;
             else
                 w.state().command.pendingLimit.reset();
             const int v = line.at(5).digitValue();
             if (v == 0 || v == 1)
                 w.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(v == 1);
         },
         [](MainWindow &w, const Closing &) {
             return flagValue(w.ui().limitFlags.isOn(LimitFlag::CharacterLimit)) + u'\\'
                 + QString::number(w.state().mail.bodyLimit);
         }},
        limitFlag(u"Sei7", LimitFlag::Classify),
        limitFlag(u"Sei8", LimitFlag::AutoCount),
        {u"Snam", [](MainWindow &w, const QString &value, const QString &) { w.state().mail.signatureText = value; },
         [](MainWindow &w, const Closing &) { return w.state().mail.signatureText; }},
        {u"Ssyo",
         [](MainWindow &w, const QString &value, const QString &) {
             setSignatureOn(w.handoff(), parseInt16(value) == 1);
         },
         [](MainWindow &w, const Closing &) { return flagValue(w.state().mail.signatureOn); }},
        {u"imde",
         [](MainWindow &w, const QString &value, const QString &) {
             const std::optional<int> v = parseInt16(value);
             if (v == 0 || v == 1)
                 w.ui().imodeSetting->setChecked(*v == 1);
         },
         [](MainWindow &, const Closing &closing) { return flagValue(closing.imode); }},
        {u"addr",
         [](MainWindow &w, const QString &value, const QString &) {
             w.state().beckyBookIndex = parseInt16(value).value_or(-1);
         },
         [](MainWindow &w, const Closing &) { return QString::number(w.state().beckyBookIndex); }},
        menuCheck(u"ATTI", &MainControls::autoSubstituteEntry),
        {u"Font",
         [](MainWindow &w, const QString &value, const QString &) {
             const std::optional<double> points = parseNumber(value);
             if (points && *points >= 1 && *points <= 400) {
                 QFont font = w.ui().bodyField->font();
                 font.setPointSizeF(*points);
                 w.ui().bodyField->setFont(font);
             }
         },
         [](MainWindow &w, const Closing &) { return formatSingle(w.ui().bodyField->font().pointSizeF()); }},
        menuCheck(u"IONO", &MainControls::noConfirmationEntry),
        menuCheck(u"IPUT", &MainControls::newMailAfterSendEntry),
        menuCheck(u"IEND", &MainControls::endAfterSendEntry),
        storedIndex(u"Acnt", &AccountChoice::accountIndex),
        accountChangeMode(u"AcOp"),
        storedIndex(u"Myad", &AccountChoice::sendingAddressIndex),
        menuCheck(u"BcOp", &MainControls::bccToAccountEntry),
        {u"LogD",
         [](MainWindow &w, const QString &value, const QString &) {
             mailreader::model(w.handoff()).counts().restoreCaption(value);
         },
         [](MainWindow &w, const Closing &) { return mailreader::model(w.handoff()).counts().caption(); }},
        {u"Look",
         [](MainWindow &w, const QString &value, const QString &) {
             if (const std::optional<bool> look = parseBoolean(value)) {
                 w.ui().previewPanel->setVisible(*look);
                 refreshPreviewCopy(w.compose());
                 w.layoutControls();
             }
         },
         [](MainWindow &, const Closing &closing) { return formatBoolean(closing.look); }},
    };
    return table;
}

} // namespace

void readSettings(MainWindow &w)
{
    for (const QString &line : textfile::readLines(w.programFile(programfiles::settings))) {
        const std::optional<Line> parts = splitLine(line);
        if (!parts)
            continue;
        for (const Key &key : keys()) {
            if (parts->key == QStringView(key.name)) {
                key.apply(w, parts->value, line);
                break;
            }
        }
    }
}

bool writeSettings(MainWindow &w, bool imode, bool look)
{
    const Closing closing{imode, look};
    QStringList lines;
    for (const Key &key : keys())
        lines.append(QString::fromUtf16(key.name) + u'=' + key.write(w, closing));
    return textfile::writeAtomically(w.programFile(programfiles::settings), textfile::joinLines(lines));
}

void readPresets(MainWindow &w)
{
    for (const PhoneModel &model : presetfile::read(w.programFile(programfiles::phoneModels)))
        w.ui().phoneModelList->addItem(model.name, model.code);
}
