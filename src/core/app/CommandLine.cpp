#include "core/app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"i-mode 携帯メールを書いて Becky! に渡します。"_qs);
    const QCommandLineOption help({u"h"_qs, u"help"_qs}, u"このヘルプを表示して終了します。"_qs);
    const QCommandLineOption version({u"v"_qs, u"version"_qs}, u"バージョンを表示して終了します。"_qs);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(u"ファイル"_qs,
                                 u"本文に読み込むテキストファイル（UTF-8、UTF-16、Shift-JIS、64,000 バイトまで）"_qs,
                                 u"[ファイル]"_qs);

    const QString program = QFileInfo(arguments.value(0)).fileName();
    if (!parser.parse(arguments)) {
        // The first line of the help is the usage line.
        const QString usage = parser.helpText().section(u'\n', 0, 0);
        return {CommandLine::Action::Refuse, {},
                program + u": "_qs + parser.errorText() + u'\n' + usage + u'\n'
                    + u"詳しくは「%1 --help」を見てください。\n"_qs.arg(program)};
    }
    if (parser.isSet(help))
        return {CommandLine::Action::Print, {}, parser.helpText()};
    if (parser.isSet(version))
        return {CommandLine::Action::Print, {},
                u"Horonami %1.%2.%3\n"_qs.arg(HORONAMI_VERSION_MAJOR).arg(HORONAMI_VERSION_MINOR).arg(HORONAMI_VERSION_PATCH)};
    return {CommandLine::Action::Start, parser.positionalArguments().join(u' '), {}};
}
