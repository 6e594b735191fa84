#include "gui/pictograph/PictographPalette.h"

#include "gui/pictograph/PictographFont.h"

#include <QGridLayout>
#include <QToolButton>

namespace {

constexpr int kColumns = 16;
constexpr int kPicturePixels = 24;
constexpr int kButtonPixels = 36;

} // namespace

PictographPalette::PictographPalette(QWidget *parent) : QWidget(parent, Qt::Window), grid_(new QGridLayout(this))
{
    setObjectName(u"pictographPalette"_qs);
    setWindowTitle(u"絵文字パレット"_qs);
    grid_->setSpacing(2);
}

void PictographPalette::setEntries(const QList<PaletteEntry> &entries)
{
    while (QLayoutItem *item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QFont picture = pictographfont::withFallback(font());
    picture.setPixelSize(kPicturePixels);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const PaletteEntry &entry = entries[i];
        auto *button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFixedSize(kButtonPixels, kButtonPixels);
        if (entry.hasPicture()) {
            button->setFont(picture);
            button->setText(entry.symbol);
        } else {
            button->setText(entry.code);
        }
        button->setToolTip(entry.toolTip());
        button->setAccessibleName(u"絵文字 "_qs + entry.code);
        button->setAccessibleDescription(entry.toolTip());
        const QString symbol = entry.symbol;
        connect(button, &QToolButton::clicked, this, [this, symbol] { emit pictographChosen(symbol); });
        grid_->addWidget(button, static_cast<int>(i / kColumns), static_cast<int>(i % kColumns));
    }
}
