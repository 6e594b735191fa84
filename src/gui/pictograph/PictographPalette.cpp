#include "gui/pictograph/PictographPalette.h"

#include "gui/pictograph/PictographFont.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumns = 16;

} // namespace

PictographPalette::PictographPalette(QWidget *parent)
    : QWidget(parent, Qt::Window), scroll_(new QScrollArea(this)), buttons_(new QWidget), grid_(new QGridLayout(buttons_))
{
    setObjectName(u"pictographPalette"_qs);
    setWindowTitle(u"絵文字パレット"_qs);
    grid_->setSpacing(2);
    scroll_->setWidget(buttons_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(scroll_);
}

void PictographPalette::setEntries(const QList<PaletteEntry> &entries)
{
    while (QLayoutItem *item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    // Pictures twice as tall as the text; every button one square, large
    // enough for a picture and for the longest code.
    QFont picture = pictographfont::withFallback(font());
    picture.setPixelSize(fontMetrics().height() * 2);
    QList<QToolButton *> made;
    int side = 0;
    for (const PaletteEntry &entry : entries) {
        auto *button = new QToolButton(buttons_);
        button->setAutoRaise(true);
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
        const QSize hint = button->sizeHint();
        side = std::max({side, hint.width(), hint.height()});
        made.append(button);
    }
    const int columns = columnsThatFit(side);
    for (qsizetype i = 0; i < made.size(); ++i) {
        made[i]->setFixedSize(side, side);
        grid_->addWidget(made[i], static_cast<int>(i / columns), static_cast<int>(i % columns));
    }
    fitToScreen();
}

// The screen's room for the window, its panels and the window system's
// caption and borders left out.
QSize PictographPalette::room() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return shownOn->availableGeometry().size() - QSize(2 * border, caption + 2 * border);
}

// Sixteen buttons to a row, or as many as the screen's width takes beside a
// scroll bar.
int PictographPalette::columnsThatFit(int side) const
{
    const QMargins margins = grid_->contentsMargins();
    const int width = room().width() - scroll_->verticalScrollBar()->sizeHint().width() - margins.left()
                      - margins.right() + grid_->spacing();
    return std::clamp(width / (side + grid_->spacing()), 1, kColumns);
}

// All the buttons when the screen has room for them; else the rows that
// fit its height, with a scroll bar for the rest.
void PictographPalette::fitToScreen()
{
    QSize wanted = buttons_->sizeHint();
    if (wanted.height() > room().height()) {
        wanted.setHeight(room().height());
        wanted.rwidth() += scroll_->verticalScrollBar()->sizeHint().width();
    }
    resize(wanted.boundedTo(room()));
}

void PictographPalette::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}
