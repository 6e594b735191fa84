#include "gui/compose/ComposeControls.h"

#include "core/compose/PhoneModel.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/CountLabel.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/platform/ControlNames.h"
#include "gui/platform/LineFields.h"
#include "gui/platform/WrappingLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void createLimitPanel(ComposeControls &c, QWidget *parent)
{
    c.limitPanel = named(new QToolButton(parent), u"Frame1"_qs, u"制限"_qs);
    c.limitPanel->setText(u"制限"_qs);
    c.limitPanel->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    c.limitPanel->setArrowType(Qt::DownArrow);
    c.limitPanel->setAutoRaise(true);
    // The open panel lies over the fields below the tool bar: opaque, and
    // hidden with its switches while folded, so that nothing reaches them.
    c.limitFlagsPanel = named(new QFrame(parent), u"limitFlags"_qs, u"制限の設定"_qs);
    c.limitFlagsPanel->setFrameShape(QFrame::StyledPanel);
    c.limitFlagsPanel->setFrameShadow(QFrame::Raised);
    c.limitFlagsPanel->setAutoFillBackground(true);
    c.limitFlagsPanel->hide();
    auto *column = new QVBoxLayout(c.limitFlagsPanel);
    const QString captions[9] = {
        u"tab,sp抜き"_qs, u"改行抜き"_qs, u"。.、,抜き"_qs, u"「」、（）、[]、{}抜き"_qs,
        u"<タグ>抜き"_qs, u"Horo\u3000抜き"_qs, u"文字制限"_qs, u"文字種別分類"_qs, u"auto実行"_qs};
    for (const LimitFlag flag : allLimitFlags) {
        const int i = static_cast<int>(flag);
        c.limitFlags[flag] =
            named(new QCheckBox(captions[i], c.limitFlagsPanel), u"Check1(%1)"_qs.arg(i), captions[i]);
        column->addWidget(c.limitFlags[flag]);
    }
}

void createPreviewPanel(ComposeControls &c, QWidget *parent)
{
    c.previewPanel = named(new QFrame(parent), u"Frame3"_qs, u"プレビュー"_qs);
    c.previewPanel->setFrameShape(QFrame::StyledPanel);
    c.previewPanel->hide();
    c.phoneModelList = named(new QComboBox(c.previewPanel), u"Combo3"_qs, u"機種"_qs);
    // As wide as the panel, not measured over every model of a long list.
    c.phoneModelList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.phoneModelList->setMinimumContentsLength(8);
    c.previewBox = named(new PhoneScreen(c.previewPanel), u"Text3"_qs, u"プレビュー"_qs);
    c.sendImageButton =
        named(new QPushButton(u"送信イメージ"_qs, c.previewPanel), u"Command5"_qs, u"送信イメージ"_qs);
    c.verticalPreviewSwitch = named(new QCheckBox(u"縦書きﾌﾟﾚﾋﾞｭｰﾓｰﾄﾞ"_qs, c.previewPanel), u"Check3"_qs,
                                    u"縦書きﾌﾟﾚﾋﾞｭｰﾓｰﾄﾞ"_qs);
    const QString note = u"\u3000実際の簡易的な送信イメージ画面です。\r\n"
                         "\u3000署名など詳細な点まで再現する場合は、送信イメージボタンを押してください。\r\n"
                         "\r\n"
                         "\u3000\uE6ECなどの絵文字を送信すると、相手側には、文字化けした物が届く可能性があります。"_qs;
    // The note wraps within the width the other controls give the panel.
    c.previewNote = namedLabel(new WrappingLabel(note, c.previewPanel), u"Label4"_qs);
    c.previewPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    auto *column = new QVBoxLayout(c.previewPanel);
    column->addWidget(c.phoneModelList);
    column->addWidget(c.previewBox, 0, Qt::AlignLeft);
    column->addWidget(c.sendImageButton);
    column->addWidget(c.verticalPreviewSwitch);
    column->addWidget(c.previewNote, 1);
}

void createStatusLabels(ComposeControls &c, QWidget *parent)
{
    c.limitStatusLabel = namedLabel(new QLabel(u"・制限："_qs, parent), u"Label3(0)"_qs);
    c.countLabel = namedLabel(new CountLabel(parent), u"Label1"_qs);
    c.warningLabel = namedLabel(new QLabel(parent), u"Label5"_qs);
    c.warningLabel->setAutoFillBackground(true);
    c.warningLabel->hide();
}

void createEntries(ComposeControls &c, QWidget *parent)
{
    c.undoEntry = namedAction(parent, u"undo"_qs, u"元に戻す(&U)"_qs, QKeySequence(Qt::CTRL | Qt::Key_Z));
    c.redoEntry = namedAction(parent, u"redo"_qs, u"やり直し(&R)"_qs);
    c.redoEntry->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The backslash of "↑変換\" is shown as the yen sign the Japanese font draws.
    const QString filters[9] = {u"改行抜き"_qs, u"→変換>"_qs, u"←変換<"_qs, u"↑変換\u00A5"_qs,
                                u"×変換x"_qs, u"SP抜き"_qs, u"半角変換"_qs, u"(抜き"_qs, u")抜き"_qs};
    c.filterEntries = numberedActions(parent, u"nuki(%1)"_qs, filters);
    c.allFiltersEntry = namedAction(parent, u"Cmero"_qs, u"上記処理連続動作"_qs, QKeySequence(Qt::CTRL | Qt::Key_M));
    c.autoSubstituteEntry = namedAction(parent, u"Aouttikan"_qs, u"自動置換(&A)"_qs);
    c.autoSubstituteEntry->setCheckable(true);
    const QString panels[3] = {u"ﾌﾟﾚﾋﾞｭｰ画面表示(&P)"_qs, u"ログor草稿画面(&L)"_qs, u"制限画面表示(&S)"_qs};
    c.panelEntries = numberedActions(parent, u"ViewPre(%1)"_qs, panels);
    c.horizontalEntry = namedAction(parent, u"YokoPre"_qs, u"無理矢理横書き(&Y)"_qs);
    c.textViewLayoutEntry = namedAction(parent, u"PreTate(0)"_qs, u"TEXT_Viewモード(&T)"_qs);
    c.sendingLayoutEntry = namedAction(parent, u"PreTate(1)"_qs, u"送信_TEXTモード(&S)"_qs);
}

} // namespace

ComposeControls ComposeControls::create(QWidget *parent)
{
    ComposeControls c;
    c.countButton = pictureButton(parent, u"Command1"_qs, u"文字"_qs, u"文字数確認"_qs);
    c.previewButton = pictureButton(parent, u"Command4(0)"_qs, u"ﾌﾟﾚ"_qs, u"imode p501i ﾌﾟﾚﾋﾞｭｰ"_qs);
    c.verticalModeButton = pictureButton(parent, u"Command7"_qs, u"縦"_qs, u"縦書き変換！"_qs);
    c.verticalModeButton->setAutoFillBackground(true);
    c.imodeSetting = named(new QCheckBox(u"i-mode設定"_qs, parent), u"Check2"_qs, u"i-mode設定"_qs);
    createLimitPanel(c, parent);

    c.subjectCaption = namedLabel(new QLabel(u"件名：："_qs, parent), u"Label2"_qs);
    c.subjectField = named(new QLineEdit(parent), u"Text2"_qs, u"件名"_qs);
    c.subjectCaption->setBuddy(c.subjectField);
    keepControlCharactersOut(c.subjectField);
    // The vertical scroll bar shows as soon as the body needs it (a bar
    // kept on at all times makes Qt re-measure every line on each keystroke).
    c.bodyField = named(new BodyEdit(parent), u"Text1"_qs, u"本文"_qs);

    createPreviewPanel(c, parent);
    createStatusLabels(c, parent);
    createEntries(c, parent);
    return c;
}
