#include "app/AddressList.h"

#include "app/MainWindow.h"
#include "platform/TextFile.h"

#include <QComboBox>

void fillAddressList(MainWindow &w)
{
    MainControls &c = w.ui();
    for (const QString &line : textfile::readLines(w.programFile(u"addr.adr"_qs))) {
        if (line.contains(u'\t')) {
            const QStringList fields = line.split(u'\t');
            const QString address = fields.value(0);
            const QString name = fields.value(1);
            // A line without its model field reads the model as empty.
            const int model = c.Combo3->findText(fields.value(2), Qt::MatchExactly | Qt::MatchCaseSensitive);
            c.Combo1->addItem(name + u'<' + address + u'>', std::max(model, 0));
        } else if (line.contains(u'@')) {
            c.Combo1->addItem(line, 0);
        }
    }
    c.Combo1->setCurrentIndex(-1);
    c.Combo1->setEditText(QString());
}
