#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/pictograph/PictographPalette.h"
#include "core/pictograph/RegistrationEntry.h"
#include "core/platform/Cp932.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kSun = u"\uE63E"_qs; // F89F

// The DoCoMo codes of the system's EmojiSources.txt, read apart from the
// program's own reader.
QSet<uint> docomoCodes()
{
    QFile file(QString::fromUtf8(HORONAMI_EMOJI_SOURCES));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << HORONAMI_EMOJI_SOURCES;
    static const QRegularExpression line(u"^[0-9A-F ]+;([0-9A-F]{4});"_qs, QRegularExpression::MultilineOption);
    QSet<uint> codes;
    for (auto it = line.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
        codes.insert(it.next().captured(1).toUInt(nullptr, 16));
    return codes;
}

TEST(PictographFont, HasAGlyphForEverySelectorCodeTheFileMaps)
{
    QFile font(u":/pictograph/pictographs.ttf"_qs);
    ASSERT_TRUE(font.open(QIODevice::ReadOnly));
    const QRawFont raw(font.readAll(), 24);
    ASSERT_TRUE(raw.isValid());
    const QSet<uint> mapped = docomoCodes();
    int checked = 0;
    for (int v = 0; v <= registration::kSelectorMaximum; ++v) {
        const uint code = v < 94 ? 0xF89F + v : 0xF940 + (v - 94);
        const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        const QString pictograph = cp932::decode(QByteArrayView(bytes, 2));
        if (!mapped.contains(code))
            continue;
        ++checked;
        ASSERT_EQ(pictograph.size(), 1);
        EXPECT_TRUE(raw.supportsCharacter(pictograph.at(0))) << std::hex << code;
    }
    EXPECT_GT(checked, 150);
    EXPECT_FALSE(raw.supportsCharacter(QChar(0xE000))); // F040 is no pictograph
}

// The text drawn in black on white with a font, as the body field would.
QImage drawn(const QFont &font, const QString &text)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

int colouredPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.hsvSaturation() > 80 && c.value() > 60;
        }
    }
    return n;
}

class PictographSight : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(h.start()); }
    WindowHarness h;
};

TEST_F(PictographSight, TheBodyFontDrawsAPictographInColour)
{
    const QFont font = h.ui().bodyField->font();
    const QImage sun = drawn(font, kSun);
    const QImage unmapped = drawn(font, u"\uE000"_qs);
    EXPECT_GT(colouredPixels(sun), 100);
    EXPECT_EQ(colouredPixels(unmapped), 0);
    EXPECT_NE(sun, unmapped);
    // One full-width cell, as the preview and the send image count it, at
    // the window font's size and every size of the body's size menu.
    for (const int points : {9, 12, 15}) {
        QFont sized = font;
        sized.setPointSize(points);
        const QFontMetrics metrics(sized);
        EXPECT_EQ(metrics.horizontalAdvance(kSun), metrics.horizontalAdvance(u"あ"_qs)) << points;
        EXPECT_LE(metrics.boundingRect(kSun).height(), metrics.height()) << points;
    }
}

// Every field that shows the user's text (a loaded mail's subject and
// recipient, the mail list, the preview) draws pictographs, not only the
// body.
TEST_F(PictographSight, TheOtherTextFieldsDrawPictographsToo)
{
    const MainWindowControls &c = h.ui();
    for (QWidget *field : std::initializer_list<QWidget *>{c.subjectField, c.toField, c.toField->lineEdit(),
                                                           c.mailList, c.previewBox})
        EXPECT_GT(colouredPixels(drawn(field->font(), kSun)), 20) << field->objectName().toStdString();
}

TEST_F(PictographSight, PaletteButtonsInsertTheirPictographAndShowTheirCode)
{
    h.setBody(u"晴れ"_qs);
    h.ui().bodyField->setBodyCursorPosition(2);
    QAction *open = h.window().findChild<QAction *>(u"pictographPalette"_qs);
    ASSERT_TRUE(open);
    open->trigger();
    auto *palette = h.window().findChild<PictographPalette *>();
    ASSERT_TRUE(palette);
    EXPECT_TRUE(palette->isVisible());
    const QList<QToolButton *> buttons = palette->findChildren<QToolButton *>();
    EXPECT_EQ(buttons.size(), registration::kSelectorMaximum);
    QToolButton *sun = nullptr;
    QToolButton *unmapped = nullptr;
    const QSet<uint> mapped = docomoCodes();
    for (QToolButton *b : buttons) {
        const QString code = b->accessibleName().mid(4);
        if (code == u"F89F"_qs)
            sun = b;
        if (!mapped.contains(code.toUInt(nullptr, 16)) && !unmapped)
            unmapped = b;
    }
    ASSERT_TRUE(sun && unmapped);
    EXPECT_EQ(sun->text(), kSun);
    EXPECT_EQ(sun->toolTip(), u"F89F  太陽  BLACK SUN WITH RAYS"_qs);
    EXPECT_EQ(unmapped->text(), unmapped->accessibleName().mid(4)); // its code instead of a picture

    sun->click();
    sun->click();
    EXPECT_EQ(h.body(), u"晴れ"_qs + kSun + kSun);
    EXPECT_EQ(h.state().mail.usedPictographs, kSun + kSun);
}

TEST_F(PictographSight, UnsendableCharactersAreMarkedAndCountedInTheToolTip)
{
    h.typeIntoBody(u"caf\u00E9 \u2600\uFE0F"_qs);
    QCoreApplication::processEvents();
    const QList<QTextEdit::ExtraSelection> marks = h.ui().bodyField->extraSelections();
    ASSERT_EQ(marks.size(), 2);
    EXPECT_EQ(marks[0].cursor.selectedText(), u"\u00E9"_qs);
    EXPECT_EQ(marks[1].cursor.selectedText(), u"\u2600\uFE0F"_qs);
    EXPECT_EQ(h.ui().countLabel->toolTip(), u"Shift-JISにない文字が3個あります（「?」で送られます）"_qs);
    EXPECT_EQ(h.body(), u"caf\u00E9 \u2600\uFE0F"_qs); // drawn, not stored

    // Typing in front moves the marks along with their characters.
    h.ui().bodyField->setBodyCursorPosition(0);
    h.typeIntoBody(u"x"_qs);
    QCoreApplication::processEvents();
    const QList<QTextEdit::ExtraSelection> moved = h.ui().bodyField->extraSelections();
    ASSERT_EQ(moved.size(), 2);
    EXPECT_EQ(moved[0].cursor.selectedText(), u"\u00E9"_qs);
    EXPECT_EQ(moved[1].cursor.selectedText(), u"\u2600\uFE0F"_qs);

    // A new line in between and edits elsewhere keep the number in step.
    h.ui().bodyField->setBodyCursorPosition(5);
    h.pressInBody(Qt::Key_Return);
    h.ui().bodyField->replaceBodySelection(u"\U0001F600"_qs);
    EXPECT_EQ(h.ui().countLabel->toolTip(), u"Shift-JISにない文字が4個あります（「?」で送られます）"_qs);

    h.setBody(u"晴れ"_qs + kSun);
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.ui().bodyField->extraSelections().isEmpty());
    EXPECT_TRUE(h.ui().countLabel->toolTip().isEmpty());
}

// Only the lines in view carry marks: scrolling to the end marks the last
// line and drops the mark of the first.
TEST_F(PictographSight, MarksFollowTheLinesInView)
{
    BodyEdit *body = h.ui().bodyField;
    h.setBody(u"\u00E9\r\n"_qs + u"x\r\n"_qs.repeated(300) + u"\u00E9"_qs);
    const auto markedAt = [body] {
        QCoreApplication::processEvents();
        QList<int> starts;
        for (const QTextEdit::ExtraSelection &mark : body->extraSelections())
            starts.append(mark.cursor.selectionStart());
        return starts;
    };
    EXPECT_EQ(markedAt(), QList<int>{0});
    body->verticalScrollBar()->setValue(body->verticalScrollBar()->maximum());
    EXPECT_EQ(markedAt(), QList<int>{602}); // after "é" and 300 times "x", each with its break
}

TEST_F(PictographSight, TheCodeMenuOffersTheReplacements)
{
    h.setBody(u"caf\u00E9"_qs);
    QAction *replace = h.window().findChild<QAction *>(u"replaceUnsendable"_qs);
    ASSERT_TRUE(replace);
    EXPECT_EQ(h.ui().codeMenu->actions().indexOf(replace) + 2, h.ui().codeMenu->actions().indexOf(h.ui().pictographEntries()[0]));
    h.dialogs.expectMessage(u"Shift-JISにない文字"_qs,
                            u"Shift-JISにない文字があります。そのままでは「?」になります。\r\n\r\n"
                            u"\u00E9  (LATIN SMALL LETTER E WITH ACUTE)  →  e\r\n\r\n"
                            u"置き換えのある文字を置き換えますか？"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, Dialogs::Answer::Yes);
    replace->trigger();
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.body(), u"cafe"_qs);
}

} // namespace
