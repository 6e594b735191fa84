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

using drawnwhole::kSmallScreen;
using drawnwhole::ScaledFont;

class ChildWindows : public ::testing::Test {
protected:
    ChildWindows()
    {
        folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\tエー\tP501i\tnick\thttp://x\tpgp\r\nb@docomo.ne.jp\r\n"_qs);
        folder.writeText(u"becky.adr"_qs, u"c@isp.jp\tシー\t備考\r\n"_qs);
        folder.writeText(u"Emoji.code"_qs, u"\uE63E\thare\r\n"_qs);
    }

    enum Scene { MyAdr, BeckyBooks, FileRead, Registration, Palette, Readme, kScenes };
    static constexpr const char *kNames[kScenes] = {"MY ADR", "Becky's books", "file read", "code registration",
                                                    "palette", "readme"};

    /// The child window as its opener shows it.
    Window make(int scene)
    {
        auto *book = scene <= FileRead ? new AddressBookWindow(dialogs, nullptr) : nullptr;
        switch (scene) {
        case MyAdr:
            book->openMyAdr({folder.file(u"addr.adr"_qs), folder.path(), {{u"P501i"_qs, 808}}, u"@docomo.ne.jp"_qs, {}});
            return Window(book);
        case BeckyBooks:
            book->openBeckyBooks({{u"becky"_qs, folder.file(u"becky.adr"_qs)}}, 0, folder.file(u"addr.adr"_qs));
            return Window(book);
        case FileRead:
            book->openFileDrop();
            return Window(book);
        case Registration:
            return Window(new RegistrationWindow(dialogs, folder.file(u"Emoji.code"_qs), nullptr));
        case Palette: {
            auto *palette = new PictographPalette;
            palette->setEntries(paletteEntries(EmojiSources::builtIn(), {}));
            return Window(palette);
        }
        default: {
            auto *readme = new ReadmeWindow(nullptr);
            readme->setText(u"Horonami\n"_qs.repeated(80));
            return Window(readme);
        }
        }
    }

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
    for (int scene = 0; scene < kScenes; ++scene) {
        SCOPED_TRACE(kNames[scene]);
        Window window = make(scene);
        window->show();
        expectDrawnWhole(*window);
        SCOPED_TRACE("1024 × 600");
        window->resize(window->size().boundedTo(kSmallScreen));
        EXPECT_TRUE(kSmallScreen.expandedTo(window->size()) == kSmallScreen);
        expectDrawnWhole(*window);
    }
    const ScaledFont doubled(2);
    for (int scene = 0; scene < kScenes; ++scene) {
        SCOPED_TRACE(kNames[scene] + std::string(", the font doubled"));
        Window window = make(scene);
        window->show();
        expectDrawnWhole(*window);
    }
}

// Each detail field has its caption on its row, left of it, as its buddy
// (which names the field to a screen reader).
TEST_F(ChildWindows, AddressBookCaptionsStandBesideTheirFields)
{
    Window window = make(MyAdr);
    window->show();
    const AddressBookControls &c = static_cast<AddressBookWindow &>(*window).ui();
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    QStringList captions;
    for (QWidget *field : QList<QWidget *>{c.nameField, c.addressField, c.modelField, c.nicknameField,
                                           c.homePageField, c.pgpField}) {
        SCOPED_TRACE(field->objectName().toStdString());
        const auto caption = std::find_if(labels.begin(), labels.end(), [&](QLabel *l) { return l->buddy() == field; });
        ASSERT_NE(caption, labels.end());
        const QRect label = (*caption)->geometry();
        EXPECT_LE(label.right(), field->geometry().left());
        EXPECT_TRUE(field->geometry().contains(field->geometry().left(), label.center().y()));
        captions.append((*caption)->text());
    }
    EXPECT_EQ(captions, QStringList({u"･名前"_qs, u"･ｱﾄﾞﾚｽ"_qs, u"･機種"_qs, u"･ﾆｯｸﾈｰﾑ"_qs, u"･HP"_qs, u"･PGP"_qs}));
}

// The palette fits the screen and scrolls the rows that do not fit; ESC
// closes it.
TEST_F(ChildWindows, ThePaletteFitsItsScreenAndEscapeClosesIt)
{
    Window window = [this] {
        const ScaledFont tripled(3);
        return make(Palette);
    }();
    window->show();
    EXPECT_LE(window->height(), window->screen()->availableGeometry().height());
    EXPECT_LE(window->width(), window->screen()->availableGeometry().width());
    expectDrawnWhole(*window);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// A message box is at least as wide as its title in the caption's bold
// font with the caption's buttons, and draws its text and buttons whole.
TEST_F(ChildWindows, AMessageBoxIsAsWideAsItsTitle)
{
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
    QtDialogs boxes;
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
    (new QPushButton(u"b"_qs, &window))->setGeometry(30, 0, 80, 30);
    auto *panel = new QFrame(&window);
    panel->setObjectName(u"panel"_qs);
    panel->setGeometry(0, 20, 100, 50);
    (new QLabel(u"x"_qs, panel))->setGeometry(0, 0, 20, 20);
    window.show();

    EXPECT_EQ(drawnwhole::overlaps(window).size(), 4); // the buttons, the panel over both, its label over cut
    EXPECT_TRUE(drawnwhole::overlaps(window).first().startsWith(u"QWidget/cut [0,0 40×30] ~ QWidget/QPushButton [30,0 80×30]"_qs));
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
