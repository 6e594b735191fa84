#include "core/app/SettingsFile.h"

#include "core/app/WindowSettings.h"
#include "core/compose/CommandProgress.h"
#include "core/compose/EditedMail.h"
#include "core/handoff/AccountModel.h"
#include "core/handoff/MailCounts.h"
#include "core/handoff/SendingOptions.h"
#include "core/platform/SettingsFormat.h"

#include <functional>
#include <vector>

namespace {

using namespace settingsformat;

/// One key of the file: how a line's value applies to the models and how
/// the models' value is written back.
struct Key {
    const char16_t *name;
    std::function<void(const SettingsModels &, const QString &value, const QString &line)> apply;
    std::function<QString(const SettingsModels &)> write;
};

QString flagValue(bool on) { return on ? u"1"_qs : u"0"_qs; }

// A switch stored as "1" or "0"; other values leave it as it is.
void applyFlag(const QString &value, const std::function<void(bool)> &set)
{
    const std::optional<int> v = parseInt16(value);
    if (v == 0 || v == 1)
        set(*v == 1);
}

Key limitFlag(const char16_t *name, LimitFlag flag)
{
    return {name,
            [flag](const SettingsModels &m, const QString &value, const QString &) {
                applyFlag(value, [&m, flag](bool on) { m.mail.setLimitFlag(flag, on); });
            },
            [flag](const SettingsModels &m) { return flagValue(m.mail.hasLimitFlag(flag)); }};
}

Key sendingOption(const char16_t *name, SendingOptions::Option option)
{
    return {name,
            [option](const SettingsModels &m, const QString &value, const QString &) {
                if (const std::optional<bool> on = parseBoolean(value))
                    m.sending.set(option, *on);
            },
            [option](const SettingsModels &m) { return formatBoolean(m.sending.isOn(option)); }};
}

// A window side from the file, or nothing when the screen cannot hold it or
// it is too small to find (under an inch): the window then keeps its size.
std::optional<int> windowSide(const QString &value, int screenTwips)
{
    constexpr int kInch = 1440;
    return parseSize(value, kInch, std::max(kInch, screenTwips));
}

// The keys in the order the writer puts them. The screen's size in twips
// bounds the window's.
std::vector<Key> keys(QSize screen)
{
    return {
        {u"Xsiz",
         [screen](const SettingsModels &m, const QString &value, const QString &) {
             if (const std::optional<int> height = windowSide(value, screen.height()))
                 m.window.heightTwips = *height;
         },
         [](const SettingsModels &m) { return formatSingle(m.window.heightTwips); }},
        {u"Ysiz",
         [screen](const SettingsModels &m, const QString &value, const QString &) {
             if (const std::optional<int> width = windowSide(value, screen.width()))
                 m.window.widthTwips = *width;
         },
         [](const SettingsModels &m) { return formatSingle(m.window.widthTwips); }},
        limitFlag(u"Sei0", LimitFlag::SkipBlanks),
        limitFlag(u"Sei1", LimitFlag::SkipLineBreaks),
        limitFlag(u"Sei2", LimitFlag::SkipPunctuation),
        limitFlag(u"Sei3", LimitFlag::SkipBrackets),
        limitFlag(u"Sei4", LimitFlag::SkipTags),
        limitFlag(u"Sei5", LimitFlag::SkipHoro),
        // The flag's digit, a backslash and the body limit: the limit goes to
        // the flag first, so that switching the flag on takes it unasked.
        {u"Sei6",
         [](const SettingsModels &m, const QString &, const QString &line) {
             if (line.size() < 6)
                 return;
             // Empty text, text that is not a number and 0 leave no limit
             // waiting: switching the flag on asks for one.
             const std::optional<int> limit = parseInt16(line.mid(7));
             if (limit && *limit != 0)
                 m.command.pendingLimit = *limit;
             else
                 m.command.pendingLimit.reset();
             const int v = line.at(5).digitValue();
             if (v == 0 || v == 1)
                 m.mail.setLimitFlag(LimitFlag::CharacterLimit, v == 1);
         },
         [](const SettingsModels &m) {
             return flagValue(m.mail.hasLimitFlag(LimitFlag::CharacterLimit)) + u'\\'
                 + QString::number(m.mail.bodyLimit);
         }},
        limitFlag(u"Sei7", LimitFlag::Classify),
        limitFlag(u"Sei8", LimitFlag::AutoCount),
        {u"Snam", [](const SettingsModels &m, const QString &value, const QString &) { m.mail.signatureText = value; },
         [](const SettingsModels &m) { return m.mail.signatureText; }},
        {u"Ssyo",
         [](const SettingsModels &m, const QString &value, const QString &) {
             m.mail.setSignatureOn(parseInt16(value) == 1);
         },
         [](const SettingsModels &m) { return flagValue(m.mail.signatureOn()); }},
        {u"imde",
         [](const SettingsModels &m, const QString &value, const QString &) {
             applyFlag(value, [&m](bool on) { m.mail.setImode(on); });
         },
         [](const SettingsModels &m) { return flagValue(m.mail.imode()); }},
        {u"addr",
         [](const SettingsModels &m, const QString &value, const QString &) {
             m.accounts.beckyBookIndex = parseInt16(value).value_or(-1);
         },
         [](const SettingsModels &m) { return QString::number(m.accounts.beckyBookIndex); }},
        {u"ATTI",
         [](const SettingsModels &m, const QString &value, const QString &) {
             if (const std::optional<bool> on = parseBoolean(value))
                 m.mail.setAutoSubstitute(*on);
         },
         [](const SettingsModels &m) { return formatBoolean(m.mail.autoSubstitute()); }},
        {u"Font",
         [](const SettingsModels &m, const QString &value, const QString &) {
             const std::optional<double> points = parseNumber(value);
             if (points && *points >= 1 && *points <= 400)
                 m.window.bodyFontPoints = *points;
         },
         [](const SettingsModels &m) { return formatSingle(m.window.bodyFontPoints); }},
        sendingOption(u"IONO", SendingOptions::Option::NoConfirmation),
        sendingOption(u"IPUT", SendingOptions::Option::NewMailAfterSend),
        sendingOption(u"IEND", SendingOptions::Option::EndAfterSend),
        {u"Acnt",
         [](const SettingsModels &m, const QString &value, const QString &) {
             if (const std::optional<int> v = parseInt16(value))
                 m.accounts.accountIndex = *v;
         },
         [](const SettingsModels &m) { return QString::number(m.accounts.accountIndex); }},
        // The account-change mode is stored as its menu position; other
        // numbers leave the mode as it is.
        {u"AcOp",
         [](const SettingsModels &m, const QString &value, const QString &) {
             const std::optional<int> v = parseInt16(value);
             if (v && *v >= 0 && *v <= static_cast<int>(AccountChangeMode::Ask))
                 m.sending.setAccountChangeMode(static_cast<AccountChangeMode>(*v));
         },
         [](const SettingsModels &m) { return QString::number(static_cast<int>(m.sending.accountChangeMode())); }},
        {u"Myad",
         [](const SettingsModels &m, const QString &value, const QString &) {
             if (const std::optional<int> v = parseInt16(value))
                 m.accounts.setSendingAddressIndex(*v);
         },
         [](const SettingsModels &m) { return QString::number(m.accounts.sendingAddressIndex()); }},
        sendingOption(u"BcOp", SendingOptions::Option::BccToAccount),
        {u"LogD", [](const SettingsModels &m, const QString &value, const QString &) { m.counts.restoreCaption(value); },
         [](const SettingsModels &m) { return m.counts.caption(); }},
        {u"Look",
         [](const SettingsModels &m, const QString &value, const QString &) {
             if (const std::optional<bool> look = parseBoolean(value))
                 m.window.previewShown = *look;
         },
         [](const SettingsModels &m) { return formatBoolean(m.window.previewShown); }},
    };
}

} // namespace

namespace settingsfile {

void apply(const QStringList &lines, const SettingsModels &models, QSize screenTwips)
{
    const std::vector<Key> table = keys(screenTwips);
    for (const QString &line : lines) {
        const std::optional<Line> parts = splitLine(line);
        if (!parts)
            continue;
        for (const Key &key : table) {
            if (parts->key == QStringView(key.name)) {
                key.apply(models, parts->value, line);
                break;
            }
        }
    }
}

QStringList lines(const SettingsModels &models)
{
    QStringList out;
    for (const Key &key : keys(QSize()))
        out.append(QString::fromUtf16(key.name) + u'=' + key.write(models));
    return out;
}

} // namespace settingsfile
