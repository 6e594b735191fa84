// The child windows drawn whole: no control covers another and no text is
// cut, at their design size, on a 1024 × 600 screen and with the font
// doubled (which asks more of a layout than QT_SCALE_FACTOR=2, under which
// the logical sizes stay as they are).
#include "core/pictograph/EmojiSources.h"
#include "core/pictograph/PaletteEntries.h"
#include "gui/addressbook/AddressBookWindow.h"
#include "gui/app/ReadmeWindow.h"
#include "gui/pictograph/PictographPalette.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "gui/platform/QtDialogs.h"
#include "support/DrawnWhole.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using Window = std::unique_ptr<QWidget>;

// A screen of 1024 × 600 less the window system's caption and a panel.
const QSize kSmallScreen(1024, 600 - 2 * 32);

class ChildWindows : public ::testing::Test {
protected:
    ChildWindows()
    {
        folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\tエー\tP501i\tnick\thttp://x\tpgp\r\nb@docomo.ne.jp\r\n"_qs);
        folder.writeText(u"becky.adr"_qs, u"c@isp.jp\tシー\t備考\r\n"_qs);
        folder.writeText(u"Emoji.code"_qs, u"\uE63E\thare\r\n"_qs);
    }

    Window myAdr()
    {
        auto *book = new AddressBookWindow(dialogs, nullptr);
        book->openMyAdr({folder.file(u"addr.adr"_qs), folder.path(), {{u"P501i"_qs, 808}}, u"@docomo.ne.jp"_qs, {}});
        return Window(book);
    }
    Window beckyBooks()
    {
        auto *book = new AddressBookWindow(dialogs, nullptr);
        book->openBeckyBooks({{u"becky"_qs, folder.file(u"becky.adr"_qs)}}, 0, folder.file(u"addr.adr"_qs));
        return Window(book);
    }
    Window fileRead()
    {
        auto *book = new AddressBookWindow(dialogs, nullptr);
        book->openFileDrop();
        return Window(book);
    }
    Window registration() { return Window(new RegistrationWindow(dialogs, folder.file(u"Emoji.code"_qs), nullptr)); }
    Window palette()
    {
        auto *palette = new PictographPalette;
        palette->setEntries(paletteEntries(EmojiSources::builtIn(), {}));
        return Window(palette);
    }
    Window readme()
    {
        auto *readme = new ReadmeWindow(nullptr);
        readme->setText(u"Horonami\n"_qs.repeated(80));
        return Window(readme);
    }

    struct Scene {
        const char *name;
        Window (ChildWindows::*make)();
    };
    static constexpr Scene kScenes[] = {
        {"MY ADR", &ChildWindows::myAdr},           {"Becky's books", &ChildWindows::beckyBooks},
        {"file read", &ChildWindows::fileRead},     {"code registration", &ChildWindows::registration},
        {"palette", &ChildWindows::palette},        {"readme", &ChildWindows::readme},
    };

    TestFolder folder;
    ScriptedDialogs dialogs;
};

void expectDrawnWhole(QWidget &window)
{
    EXPECT_EQ(drawnwhole::overlaps(window), QStringList());
    EXPECT_EQ(drawnwhole::cutTexts(window), QStringList());
}

TEST_F(ChildWindows, NoControlCoversAnotherAndNoTextIsCut)
{
    for (const Scene &scene : kScenes) {
        SCOPED_TRACE(scene.name);
        Window window = (this->*scene.make)();
        window->show();
        {
            SCOPED_TRACE("design size");
            expectDrawnWhole(*window);
        }
        SCOPED_TRACE("1024 × 600");
        window->resize(window->size().boundedTo(kSmallScreen));
        EXPECT_LE(window->width(), kSmallScreen.width());
        EXPECT_LE(window->height(), kSmallScreen.height());
        expectDrawnWhole(*window);
    }
}

TEST_F(ChildWindows, WithTheFontDoubledToo)
{
    const QFont normal = QApplication::font();
    QFont doubled = normal;
    doubled.setPointSizeF(normal.pointSizeF() * 2);
    QApplication::setFont(doubled);
    for (const Scene &scene : kScenes) {
        SCOPED_TRACE(scene.name);
        Window window = (this->*scene.make)();
        window->show();
        expectDrawnWhole(*window);
    }
    QApplication::setFont(normal);
}

// Each detail field has its caption on its row, left of it, as its buddy
// (which names the field to a screen reader).
TEST_F(ChildWindows, AddressBookCaptionsStandBesideTheirFields)
{
    Window window = myAdr();
    window->show();
    const AddressBookControls &c = static_cast<AddressBookWindow &>(*window).ui();
    const QList<QWidget *> fields = {c.nameField, c.addressField, c.modelField, c.nicknameField, c.homePageField, c.pgpField};
    QStringList captions;
    for (QWidget *field : fields) {
        const QList<QLabel *> labels = window->findChildren<QLabel *>();
        const auto caption =
            std::find_if(labels.begin(), labels.end(), [field](const QLabel *l) { return l->buddy() == field; });
        ASSERT_NE(caption, labels.end()) << field->objectName().toStdString();
        const QRect label = (*caption)->geometry();
        const QRect place = field->geometry();
        EXPECT_LE(label.right(), place.left()) << field->objectName().toStdString();
        EXPECT_TRUE(place.top() <= label.center().y() && label.center().y() <= place.bottom())
            << field->objectName().toStdString();
        captions.append((*caption)->text());
    }
    EXPECT_EQ(captions, QStringList({u"･名前"_qs, u"･ｱﾄﾞﾚｽ"_qs, u"･機種"_qs, u"･ﾆｯｸﾈｰﾑ"_qs, u"･HP"_qs, u"･PGP"_qs}));
}

// The palette fits the screen's height and scrolls the rows that do not
// fit; ESC closes it.
TEST_F(ChildWindows, ThePaletteFitsItsScreenAndEscapeClosesIt)
{
    const QFont normal = QApplication::font();
    QFont doubled = normal;
    doubled.setPointSizeF(normal.pointSizeF() * 3);
    QApplication::setFont(doubled);
    Window window = palette();
    QApplication::setFont(normal);
    window->show();
    EXPECT_LE(window->height(), window->screen()->availableGeometry().height());
    EXPECT_LE(window->width(), window->screen()->availableGeometry().width());
    expectDrawnWhole(*window);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// A message box is at least as wide as its title in the caption's bold
// font, and draws its text and buttons whole.
TEST_F(ChildWindows, AMessageBoxIsAsWideAsItsTitle)
{
    QtDialogs boxes;
    const QString title = u"横書きモードチェンジ"_qs;
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QFont caption = box->font();
        caption.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(caption).horizontalAdvance(title)
                                    + 3 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box));
        expectDrawnWhole(*box);
        looked = true;
        box->reject();
    });
    EXPECT_EQ(boxes.message(u"OK?"_qs, title, Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation), Dialogs::Answer::No);
    EXPECT_TRUE(looked);
}

// The check itself: it finds what covers what and what is cut, and lets
// only an opaque panel raised above the others cover them.
TEST(DrawnWholeCheck, FindsOverlapsAndCutTextsAndAllowsOnlyARaisedOpaquePanel)
{
    QWidget window;
    window.resize(300, 200);
    auto *cut = new QPushButton(u"あいうえおかきくけこ"_qs, &window);
    cut->setObjectName(u"cut"_qs);
    cut->setGeometry(0, 0, 40, 30);
    auto *next = new QPushButton(u"b"_qs, &window);
    next->setObjectName(u"next"_qs);
    next->setGeometry(30, 0, 80, 30);
    auto *panel = new QFrame(&window);
    panel->setObjectName(u"panel"_qs);
    panel->setGeometry(0, 20, 100, 50);
    (new QLabel(u"x"_qs, panel))->setGeometry(0, 0, 20, 20);
    window.show();

    EXPECT_EQ(drawnwhole::overlaps(window).size(), 4); // cut ~ next, the panel over both, its label over cut
    EXPECT_TRUE(drawnwhole::overlaps(window).first().startsWith(u"QWidget/cut [0,0 40×30] ~ QWidget/next [30,0 80×30]"_qs));
    const auto excused = [&window](const QString &reason) {
        const QStringList found = drawnwhole::overlaps(window, u"panel"_qs);
        return std::count_if(found.begin(), found.end(), [&](const QString &l) { return l.endsWith(reason); });
    };
    EXPECT_EQ(excused(u"(the raised panel does not fill its background)"_qs), 3);
    panel->setAutoFillBackground(true);
    EXPECT_EQ(drawnwhole::overlaps(window, u"panel"_qs).size(), 1);
    panel->lower();
    EXPECT_EQ(excused(u"(the raised panel lies below it)"_qs), 3);

    const QStringList cutTexts = drawnwhole::cutTexts(window);
    ASSERT_EQ(cutTexts.size(), 1); // "b" and "x" fit, though narrower than a style's wish for buttons
    EXPECT_TRUE(cutTexts.first().startsWith(u"QWidget/cut [40×30] needs "_qs));
}

} // namespace
