#include "compose/ComposeCommands.h"

#include "app/MainWindow.h"
#include "compose/FilterCommands.h"
#include "compose/PreviewCommands.h"
#include "compose/VerticalCommands.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

void connectComposeCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.Command1, &QPushButton::clicked, &w, [&w] { countCommand(w); });
    for (int i = 0; i < 9; ++i)
        QObject::connect(c.nuki[i], &QAction::triggered, &w, [&w, i] { runFilter(w, i); });
    QObject::connect(c.Cmero, &QAction::triggered, &w, [&w] { runAllFilters(w); });

    QObject::connect(c.Command7, &QPushButton::clicked, &w, [&w] { toggleVerticalMode(w); });
    // "TEXT_Viewモード" lays out in text-view form, "送信_TEXTモード" in sending form.
    QObject::connect(c.PreTate[0], &QAction::triggered, &w, [&w] { toVertical(w, VerticalForm::TextView); });
    QObject::connect(c.PreTate[1], &QAction::triggered, &w, [&w] { toVertical(w, VerticalForm::Sending); });
    QObject::connect(c.YokoPre, &QAction::triggered, &w, [&w] { bodyFromVertical(w); });

    QObject::connect(c.Combo3, &QComboBox::currentIndexChanged, &w, [&w] { choosePhoneModel(w); });
    QObject::connect(c.Command5, &QPushButton::clicked, &w, [&w] { showSendImage(w); });
    for (int i = 0; i < 3; ++i)
        QObject::connect(c.ViewPre[i], &QAction::triggered, &w, [&w, i] { runPanelCommand(w, i); });

    // The list selected its first model before this handler was connected.
    choosePhoneModel(w);
}
