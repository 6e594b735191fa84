#include "compose/PreviewCommands.h"

#include "app/MainWindow.h"
#include "app/WindowCommands.h"
#include "compose/BodyEdit.h"
#include "compose/ComposeCommands.h"
#include "compose/CountingHandlers.h"
#include "compose/SendImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

PhoneModel selectedPhoneModel(MainWindow &w)
{
    const QComboBox *list = w.ui().Combo3;
    if (list->currentIndex() < 0)
        return builtInPhoneModels().front();
    return {list->currentText(), list->currentData().toInt()};
}

void choosePhoneModel(MainWindow &w)
{
    MainControls &c = w.ui();
    if (c.Combo3->currentIndex() < 0)
        return;
    const PhoneModel model = selectedPhoneModel(w);
    const Twips &t = w.twips();
    const PreviewLayout l = previewLayout(model.columns(), model.rows(), t.top(c.Text3));
    t.setWidth(c.Text3, l.boxWidth);
    t.setHeight(c.Text3, l.boxHeight);
    t.setWidth(c.Frame3, l.panelWidth);
    t.setTop(c.Command5, l.buttonTop);
    t.setTop(c.Check3, l.switchTop);
    t.setTop(c.Label4, l.noteTop);
    w.layoutControls();
    if (c.Check3->isChecked())
        layOutVerticalPreview(w);
}

void showSendImage(MainWindow &w)
{
    const ComposeState &s = w.state();
    const QString image = renderSendImage(w.ui().Text1->bodyText(), selectedPhoneModel(w).columns(),
                                          s.signatureOn, s.signatureText);
    setPreviewText(w, image);
    w.ui().Text3->moveCursor(QTextCursor::End);
}

void runPanelCommand(MainWindow &w, int index)
{
    MainControls &c = w.ui();
    if (!c.Command4[0]->isEnabled())
        return;
    switch (index) {
    case 0:
        togglePreviewPanel(w);
        break;
    case 1:
        c.List1->setVisible(!c.List1->isVisibleTo(&w));
        w.layoutControls();
        break;
    case 2:
        toggleLimitPanel(w);
        break;
    default:
        break;
    }
}
