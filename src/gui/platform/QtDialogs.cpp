#include "gui/platform/QtDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStyle>

namespace {

// A box narrower than its title gets the title cut by the window system
// ("HOR… AMI"): its button row is made at least as wide as the title in the
// caption's bold font, with room for the caption's icon and three buttons.
// QMessageBox sizes itself from its layout when shown, so the row's
// minimum holds where a minimum width of the box would not.
void keepTitleWhole(QMessageBox &box)
{
    QFont caption = box.font();
    caption.setBold(true);
    const int titleBar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int width = QFontMetrics(caption).horizontalAdvance(box.windowTitle()) + 4 * titleBar;
    if (auto *buttons = box.findChild<QDialogButtonBox *>())
        buttons->setMinimumWidth(width);
}

} // namespace

Dialogs::Answer QtDialogs::message(const QString &text, const QString &title,
                                   Buttons buttons, Icon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    keepTitleWhole(box);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel: {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int pressed = box.exec();
        return pressed == QMessageBox::Yes ? Answer::Yes : pressed == QMessageBox::No ? Answer::No : Answer::Cancel;
    }
    }
    return Answer::Cancel;
}

std::optional<QString> QtDialogs::input(const QString &prompt, const QString &title,
                                        const QString &defaultText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal,
                                                 defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<QString> QtDialogs::chooseFile(const QString &title, const QStringList &nameFilters)
{
    const QString path = QFileDialog::getOpenFileName(parent_, title, QString(), nameFilters.join(u";;"_qs));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
