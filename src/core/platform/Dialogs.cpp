#include "core/platform/Dialogs.h"

QString Dialogs::defaultTitle() { return QStringLiteral("HORONAMI"); }

std::optional<QString> Dialogs::chooseTextFile()
{
    return chooseFile(QStringLiteral("ファイルを開く"),
                      {QStringLiteral("テキストファイル (*.txt)"), QStringLiteral("すべてのファイル (*)")});
}
