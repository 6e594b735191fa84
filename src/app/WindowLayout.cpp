#include "app/WindowLayout.h"

#include "app/MainWindow.h"
#include "compose/BodyEdit.h"

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

    const int d = c.Frame3->isVisibleTo(&w) ? t.width(c.Frame3) + 60 : 0;

    t.setHeight(c.Text1, H - 1980);
    t.setTop(c.Picture1, H - 385);
    t.setWidth(c.Frame2, W);

    t.setWidth(c.Text2, W - 1080 - d);
    t.setWidth(c.Combo1, t.width(c.Text2));
    t.setWidth(c.Text1, W - d);
    t.setWidth(c.Picture1, W);

    t.setLeft(c.Label1, t.width(c.Picture1) - t.width(c.Label1) - 100);
    t.setLeft(c.Label6, t.left(c.Label1) - t.width(c.Label6) - 200);
    t.setWidth(c.Label5, t.width(c.Picture1) - 60);

    if (c.List1->isVisibleTo(&w)) {
        t.setHeight(c.List1, t.height(c.Text1) / 3 - 30);
        t.setHeight(c.Text1, t.height(c.Text1) - t.height(c.List1) - 40);
        t.setTop(c.List1, t.top(c.Text1) + t.height(c.Text1) + 60);
        t.setWidth(c.List1, t.width(c.Text1));
    }

    if (d != 0) {
        t.setLeft(c.Frame3, t.width(c.Text1) + 60);
        t.setHeight(c.Frame3, H - t.height(c.Picture1) - 670);
        t.setHeight(c.Label4, t.height(c.Frame3) - t.top(c.Label4) - 100);
    }
}
