#include "support/StandaloneControls.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

ComposeControls makeComposeControls(QWidget *window)
{
    ComposeControls c;
    auto button = [window] { return new QPushButton(window); };
    auto box = [window] { return new QCheckBox(window); };
    auto label = [window] { return new QLabel(window); };
    auto entry = [window] { return new QAction(window); };
    c.bodyField = new BodyEdit(window);
    c.subjectField = new QLineEdit(window);
    c.countButton = button();
    c.verticalModeButton = button();
    c.imodeSetting = box();
    c.limitPanel = new QFrame(window);
    for (const LimitFlag flag : allLimitFlags)
        c.limitFlags[flag] = box();
    c.autoSubstituteEntry = entry();
    c.autoSubstituteEntry->setCheckable(true);
    c.previewPanel = new QFrame(window);
    c.previewPanel->hide();
    c.previewButton = button();
    c.phoneModelList = new QComboBox(window);
    c.phoneModelList->addItem(u"P501i"_qs, 808);
    c.verticalPreviewSwitch = box();
    c.sendImageButton = button();
    c.previewBox = new PhoneScreen(c.previewPanel);
    c.previewNote = label();
    c.mailList = new QListView(window);
    c.countLabel = label();
    c.warningLabel = label();
    c.limitStatusLabel = label();
    c.accountList = new QComboBox(window);
    c.imodeButtons = {button(), button()};
    c.imodeMenus = {entry(), entry()};
    c.undoEntry = entry();
    c.redoEntry = entry();
    for (QAction *&filter : c.filterEntries)
        filter = entry();
    c.allFiltersEntry = entry();
    c.textViewLayoutEntry = entry();
    c.sendingLayoutEntry = entry();
    c.horizontalEntry = entry();
    for (QAction *&panel : c.panelEntries)
        panel = entry();
    return c;
}
