#include "gui/app/WindowLayout.h"

#include "gui/app/MainWindow.h"
#include "gui/compose/BodyEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

void layoutMainWindow(MainWindow &w)
{
    MainControls &c = w.ui();
    const Twips &t = w.twips();
    const QSize client = w.clientSizeTwips();
    const int W = client.width();
    const int H = client.height();

    const int d = c.previewPanel->isVisibleTo(&w) ? t.width(c.previewPanel) + 60 : 0;

    t.setHeight(c.bodyField, H - 1980);
    t.setTop(c.statusBar, H - 385);
    t.setWidth(c.toolBar, W);

    t.setWidth(c.subjectField, W - 1080 - d);
    t.setWidth(c.toField, t.width(c.subjectField));
    t.setWidth(c.bodyField, W - d);
    t.setWidth(c.statusBar, W);

    t.setLeft(c.countLabel, t.width(c.statusBar) - t.width(c.countLabel) - 100);
    t.setLeft(c.mailCountsLabel, t.left(c.countLabel) - t.width(c.mailCountsLabel) - 200);
    t.setWidth(c.warningLabel, t.width(c.statusBar) - 60);

    if (c.mailList->isVisibleTo(&w)) {
        t.setHeight(c.mailList, t.height(c.bodyField) / 3 - 30);
        t.setHeight(c.bodyField, t.height(c.bodyField) - t.height(c.mailList) - 40);
        t.setTop(c.mailList, t.top(c.bodyField) + t.height(c.bodyField) + 60);
        t.setWidth(c.mailList, t.width(c.bodyField));
    }

    if (d != 0) {
        t.setLeft(c.previewPanel, t.width(c.bodyField) + 60);
        t.setHeight(c.previewPanel, H - t.height(c.statusBar) - 670);
        t.setHeight(c.previewNote, t.height(c.previewPanel) - t.top(c.previewNote) - 100);
    }
}
