#include "core/app/PresetFile.h"

#include "core/platform/SettingsFormat.h"
#include "core/platform/Cp932.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextFile.h"

namespace presetfile {

namespace {

constexpr int kDefaultCode = 809;

} // namespace

QList<PhoneModel> read(const QString &path)
{
    QList<PhoneModel> models;
    for (const QString &text : textfile::readLines(path)) {
        if (!text.contains(u'#'))
            continue;
        const int code = settingsformat::parseInt16(text.right(4)).value_or(0);
        models.append({text.left(std::max<qsizetype>(0, text.size() - 5)), code});
    }
    return models;
}

QString line(const PhoneModel &model)
{
    return model.name + u'#' + u"%1"_qs.arg(model.code, 4, 10, QChar(u'0'));
}

std::optional<PhoneModel> addPreset(Dialogs &dialogs, const QString &path)
{
    const std::optional<QString> name = dialogs.input(u"機種名を入れてください"_qs, u"機種名"_qs, u"不明"_qs);
    if (!name)
        return std::nullopt;
    PhoneModel model;
    model.name = name->isEmpty() ? u"不明"_qs : *name;
    for (;;) {
        const std::optional<QString> size = dialogs.input(
            u"その携帯の表示できる桁数行数を続けて入力してください。\r\n※例　8桁9行の場合は、0809"_qs,
            u"機種名"_qs, u"0809"_qs);
        if (!size)
            return std::nullopt;
        // An empty, zero or non-numeric answer stands for the usual 8 × 9.
        model.code = settingsformat::parseInt16(*size).value_or(0);
        if (model.code == 0)
            model.code = kDefaultCode;
        if (model.canLayOutVertically())
            break;
        dialogs.inform(u"縦書きには、5桁以上・1行以上の画面が必要です。"_qs + u"\r\n"_qs
                           + u"例　8桁9行の場合は、0809"_qs,
                       u"機種名"_qs);
    }
    if (!textfile::appendAll(path, cp932::encode(line(model) + u"\r\n"_qs))) {
        dialogs.inform(u"機種を登録できませんでした。"_qs);
        return std::nullopt;
    }
    return model;
}

} // namespace presetfile
