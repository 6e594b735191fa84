#include "app/Settings.h"

#include "app/MainWindow.h"
#include "app/PresetFile.h"
#include "app/SettingsFormat.h"
#include "compose/BodyEdit.h"
#include "compose/CountingHandlers.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
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

QString flagValue(const QCheckBox *box) { return box->isChecked() ? u"1"_qs : u"0"_qs; }

Key limitFlag(const char16_t *name, int index)
{
    return {name,
            [index](MainWindow &w, const QString &value, const QString &) {
                const std::optional<int> v = parseInt16(value);
                if (v == 0 || v == 1)
                    w.ui().Check1[index]->setChecked(*v == 1);
            },
            [index](MainWindow &w, const Closing &) { return flagValue(w.ui().Check1[index]); }};
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

Key storedIndex(const char16_t *name, int ComposeState::*index)
{
    return {name,
            [index](MainWindow &w, const QString &value, const QString &) {
                if (const std::optional<int> v = parseInt16(value))
                    w.state().*index = *v;
            },
            [index](MainWindow &w, const Closing &) { return QString::number(w.state().*index); }};
}

void setSignatureOn(MainWindow &w, bool on)
{
    w.state().signatureOn = on;
    w.ui().Label3[1]->setText(on ? u"・署名追加：ON"_qs : u"・署名追加：OFF"_qs);
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
        limitFlag(u"Sei0", 0),
        limitFlag(u"Sei1", 1),
        limitFlag(u"Sei2", 2),
        limitFlag(u"Sei3", 3),
        limitFlag(u"Sei4", 4),
        limitFlag(u"Sei5", 5),
        // The flag's digit, a backslash and the body limit: the limit goes to
        // the flag first, so that switching the flag on takes it unasked.
        {u"Sei6",
         [](MainWindow &w, const QString &, const QString &line) {
             if (line.size() < 6)
                 return;
             w.state().pendingLimit = line.mid(7);
             const int v = line.at(5).digitValue();
             if (v == 0 || v == 1)
                 w.ui().Check1[6]->setChecked(v == 1);
         },
         [](MainWindow &w, const Closing &) {
             return flagValue(w.ui().Check1[6]) + u'\\' + QString::number(w.state().bodyLimit);
         }},
        limitFlag(u"Sei7", 7),
        limitFlag(u"Sei8", 8),
        {u"Snam", [](MainWindow &w, const QString &value, const QString &) { w.state().signatureText = value; },
         [](MainWindow &w, const Closing &) { return w.state().signatureText; }},
        {u"Ssyo",
         [](MainWindow &w, const QString &value, const QString &) {
             setSignatureOn(w, parseInt16(value) == 1);
         },
         [](MainWindow &w, const Closing &) { return w.state().signatureOn ? u"1"_qs : u"0"_qs; }},
        {u"imde",
         [](MainWindow &w, const QString &value, const QString &) {
             const std::optional<int> v = parseInt16(value);
             if (v == 0 || v == 1)
                 w.ui().Check2->setChecked(*v == 1);
         },
         [](MainWindow &, const Closing &closing) { return closing.imode ? u"1"_qs : u"0"_qs; }},
        {u"addr", [](MainWindow &w, const QString &value, const QString &) { w.state().beckyBookIndex = value; },
         [](MainWindow &w, const Closing &) { return w.state().beckyBookIndex; }},
        menuCheck(u"ATTI", &MainControls::Aouttikan),
        {u"Font",
         [](MainWindow &w, const QString &value, const QString &) {
             const std::optional<double> points = parseNumber(value);
             if (points && *points >= 1 && *points <= 400) {
                 QFont font = w.ui().Text1->font();
                 font.setPointSizeF(*points);
                 w.ui().Text1->setFont(font);
             }
         },
         [](MainWindow &w, const Closing &) { return formatSingle(w.ui().Text1->font().pointSizeF()); }},
        menuCheck(u"IONO", &MainControls::IOutNO),
        menuCheck(u"IPUT", &MainControls::IOutput),
        menuCheck(u"IEND", &MainControls::IOutEnd),
        storedIndex(u"Acnt", &ComposeState::accountIndex),
        storedIndex(u"AcOp", &ComposeState::accountChangeMode),
        storedIndex(u"Myad", &ComposeState::sendingAddressIndex),
        menuCheck(u"BcOp", &MainControls::OutBcc),
        {u"LogD", [](MainWindow &w, const QString &value, const QString &) { w.ui().Label6->setText(value); },
         [](MainWindow &w, const Closing &) { return w.ui().Label6->text(); }},
        {u"Look",
         [](MainWindow &w, const QString &value, const QString &) {
             if (const std::optional<bool> look = parseBoolean(value)) {
                 w.ui().Frame3->setVisible(*look);
                 refreshPreviewCopy(w);
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
    for (const QString &line : textfile::readLines(w.programFile(u"Horo.ini"_qs))) {
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
    return textfile::writeAtomically(w.programFile(u"Horo.ini"_qs), textfile::joinLines(lines));
}

void readPresets(MainWindow &w)
{
    for (const PhoneModel &model : presetfile::read(w.programFile(u"Keitai.pre"_qs)))
        w.ui().Combo3->addItem(model.name, model.code);
}
