#include "gui/app/WindowCommands.h"

#include "gui/app/ClickableFrame.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Settings.h"
#include "gui/app/WindowLayout.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/PreviewCommands.h"
#include "core/app/ProgramState.h"
#include "core/platform/ControlCharacters.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr qint64 kLargestTextFile = 64000;

void chooseAndLoadTextFile(MainWindow &w)
{
    if (const std::optional<QString> path = w.dialogs().chooseTextFile())
        loadTextFile(w, *path);
}

// The question before an edited body is dropped at the end of the program;
// false when the user keeps editing.
bool mayDropEditedBody(MainWindow &w)
{
    return !w.state().mail.bodyModified
           || w.dialogs().askYesNo(u"編集中の内容は、破棄されてしまいますが終了してもよろしいですか？"_qs,
                                   u"終了確認"_qs);
}

} // namespace

bool runCloseSequence(MainWindow &w)
{
    if (!mayDropEditedBody(w))
        return false;
    // The file keeps the program as the user left it, before the i-mode
    // setting is switched off.
    const QStringList settings = settingsSnapshot(w);
    w.state().mail.setImode(false);
    if (!writeSettings(w, settings))
        w.dialogs().inform(u"設定ファイル（"_qs + programfiles::settings + u"）を保存できませんでした。前回の設定が残ります。"_qs);
    return true;
}

void setBodyFontSize(MainWindow &w, int index)
{
    QFont font = w.ui().bodyField->font();
    font.setPointSize(9 + 3 * index);
    w.ui().bodyField->setFont(font);
}

void loadTextFile(MainWindow &w, const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        w.dialogs().inform(u"ファイルを読み込めませんでした。"_qs + u"\r\n"_qs + path, u"ごめんなさい"_qs);
        return;
    }
    if (file.size() > kLargestTextFile) {
        w.dialogs().inform(u"すんまそん64K以上のファイルには、対応してまへんねん"_qs, u"ごめんなさい"_qs);
        return;
    }
    if (const int leftOut = w.ui().bodyField->setBodyText(textfile::decodeAnyText(file.readAll())); leftOut > 0)
        w.dialogs().inform(controlcharacters::leftOutMessage(leftOut));
}

void connectWindowCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    // Exit asks what the close box asks, but writes no settings.
    QObject::connect(c.exitEntry, &QAction::triggered, &w, [&w] {
        if (w.maybeSaveChildWindows() && mayDropEditedBody(w))
            w.endProgram();
    });
    for (int i = 0; i < 3; ++i)
        QObject::connect(c.fontSizeEntries[i], &QAction::triggered, &w, [&w, i] { setBodyFontSize(w, i); });
    QObject::connect(c.limitPanel, &ClickableFrame::clicked, &w, [&w] { toggleLimitPanel(w.compose()); });
    QObject::connect(c.newMailEntry, &QAction::triggered, &w, [&w] {
        if (mayReplaceEditedMail(w.compose()))
            startNewMail(w.compose());
    });
    QObject::connect(c.chooseFileEntry, &QAction::triggered, &w, [&w] { chooseAndLoadTextFile(w); });
}
