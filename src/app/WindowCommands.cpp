#include "app/WindowCommands.h"

#include "app/ClickableFrame.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/WindowLayout.h"
#include "compose/BodyEdit.h"
#include "compose/CountingHandlers.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kLimitPanelOpen = 2655;
constexpr int kLimitPanelFolded = 255;
constexpr qint64 kLargestTextFile = 64000;

} // namespace

bool runCloseSequence(MainWindow &w)
{
    MainControls &c = w.ui();
    if (w.state().bodyModified
        && !w.dialogs().askYesNo(u"編集中の内容は、破棄されてしまいますが終了してもよろしいですか？"_qs,
                                 u"終了確認"_qs))
        return false;
    const bool imode = c.Check2->isChecked();
    const bool look = c.Frame3->isVisibleTo(&w);
    if (imode)
        c.Check2->setChecked(false);
    if (!writeSettings(w, imode, look))
        w.dialogs().inform(u"設定ファイル（Horo.ini）を保存できませんでした。前回の設定が残ります。"_qs);
    return true;
}

void setBodyFontSize(MainWindow &w, int index)
{
    QFont font = w.ui().Text1->font();
    font.setPointSize(9 + 3 * index);
    w.ui().Text1->setFont(font);
}

void toggleLimitPanel(MainWindow &w)
{
    QWidget *panel = w.ui().Frame1;
    const int height = w.twips().height(panel) == kLimitPanelOpen ? kLimitPanelFolded : kLimitPanelOpen;
    w.twips().setHeight(panel, height);
}

void togglePreviewPanel(MainWindow &w)
{
    QFrame *panel = w.ui().Frame3;
    panel->setVisible(!panel->isVisibleTo(&w));
    refreshPreviewCopy(w);
    w.layoutControls();
}

void showProgress(MainWindow &w)
{
    const int progress = w.state().progress;
    const QString text = QString::number(progress) + u"%完了"_qs;
    if (w.isMinimized())
        w.setWindowTitle(text);
    else
        w.ui().Command1->setText(text);
    if (progress == -1) {
        w.ui().Command1->setText(u"実行"_qs);
        w.setWindowTitle(u"Horonami"_qs);
        w.state().progress = 0;
    }
}

void newMail(MainWindow &w)
{
    w.ui().Text2->setText(QString());
    w.ui().Text1->setBodyText(QString());
    w.state().usedPictographs.clear();
    w.state().bodyModified = false;
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
    w.ui().Text1->setBodyText(cp932::decode(file.readAll()));
}

void connectWindowCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.Mnuexit, &QAction::triggered, &w, [&w] {
        if (w.maybeSaveChildWindows())
            w.endProgram();
    });
    for (int i = 0; i < 3; ++i)
        QObject::connect(c.SizeFontChg[i], &QAction::triggered, &w, [&w, i] { setBodyFontSize(w, i); });
    QObject::connect(c.Frame1, &ClickableFrame::clicked, &w, [&w] { toggleLimitPanel(w); });
    QObject::connect(c.Command4[0], &QPushButton::clicked, &w, [&w] { togglePreviewPanel(w); });
    QObject::connect(c.newfile, &QAction::triggered, &w, [&w] { newMail(w); });
}
