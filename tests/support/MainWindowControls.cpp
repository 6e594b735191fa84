#include "support/MainWindowControls.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

template <typename T>
T *find(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found) // a test or benchmark cannot go on without it
        qFatal("The main window has no control named %s", qPrintable(name));
    return found;
}

// The members of a numbered array, from 0 up to the first one missing.
template <typename T>
QList<T *> numbered(QWidget *window, const QString &pattern)
{
    QList<T *> found;
    while (T *next = window->findChild<T *>(pattern.arg(found.size())))
        found.append(next);
    return found;
}

template <typename T, std::size_t N>
std::array<T *, N> fixed(QWidget *window, const QString &pattern)
{
    std::array<T *, N> found{};
    for (std::size_t i = 0; i < N; ++i)
        found[i] = find<T>(window, pattern.arg(i));
    return found;
}

} // namespace

MainWindowControls::MainWindowControls(QWidget *w)
    : window(w),
      toolBar(find<QFrame>(w, u"Frame2"_qs)),
      sendButton(find<QPushButton>(w, u"Command3"_qs)),
      countButton(find<QPushButton>(w, u"Command1"_qs)),
      previewButton(find<QPushButton>(w, u"Command4(0)"_qs)),
      signatureButton(find<QPushButton>(w, u"Command4(1)"_qs)),
      verticalModeButton(find<QPushButton>(w, u"Command7"_qs)),
      beckyAddressBookButton(find<QPushButton>(w, u"Command2"_qs)),
      imodeSetting(find<QCheckBox>(w, u"Check2"_qs)),
      accountList(find<QComboBox>(w, u"Combo2"_qs)),
      limitPanel(find<QToolButton>(w, u"Frame1"_qs)),
      limitFlagsPanel(find<QFrame>(w, u"limitFlags"_qs)),
      addressBookButton(find<QPushButton>(w, u"Command6"_qs)),
      toField(find<QComboBox>(w, u"Combo1"_qs)),
      subjectCaption(find<QLabel>(w, u"Label2"_qs)),
      subjectField(find<QLineEdit>(w, u"Text2"_qs)),
      bodyField(find<BodyEdit>(w, u"Text1"_qs)),
      mailList(find<QListView>(w, u"List1"_qs)),
      previewPanel(find<QFrame>(w, u"Frame3"_qs)),
      phoneModelList(find<QComboBox>(w, u"Combo3"_qs)),
      verticalPreviewSwitch(find<QCheckBox>(w, u"Check3"_qs)),
      sendImageButton(find<QPushButton>(w, u"Command5"_qs)),
      previewBox(find<PhoneScreen>(w, u"Text3"_qs)),
      previewNote(find<QLabel>(w, u"Label4"_qs)),
      statusBar(find<QFrame>(w, u"Picture1"_qs)),
      countLabel(find<QLabel>(w, u"Label1"_qs)),
      mailCountsLabel(find<QLabel>(w, u"Label6"_qs)),
      limitStatusLabel(find<QLabel>(w, u"Label3(0)"_qs)),
      signatureStatusLabel(find<QLabel>(w, u"Label3(1)"_qs)),
      warningLabel(find<QLabel>(w, u"Label5"_qs)),
      fileMenu(find<QMenu>(w, u"Mnufile"_qs)),
      openEntry(find<QAction>(w, u"openfile"_qs)),
      chooseFileEntry(find<QAction>(w, u"chooseFile"_qs)),
      newMailEntry(find<QAction>(w, u"newfile"_qs)),
      saveDraftEntry(find<QAction>(w, u"TotyuuSave"_qs)),
      listDraftsEntry(find<QAction>(w, u"ReadingBecky(0)"_qs)),
      listLogEntry(find<QAction>(w, u"ReadingBecky(1)"_qs)),
      exitEntry(find<QAction>(w, u"Mnuexit"_qs)),
      editMenu(find<QMenu>(w, u"mainmnu"_qs)),
      undoEntry(find<QAction>(w, u"undo"_qs)),
      redoEntry(find<QAction>(w, u"redo"_qs)),
      copyEntries(fixed<QAction, 3>(w, u"CopyDisp(%1)"_qs)),
      fontSizeMenu(find<QMenu>(w, u"mojisize"_qs)),
      fontSizeEntries(fixed<QAction, 3>(w, u"SizeFontChg(%1)"_qs)),
      filterEntries(fixed<QAction, 9>(w, u"nuki(%1)"_qs)),
      allFiltersEntry(find<QAction>(w, u"Cmero"_qs)),
      codeMenu(find<QMenu>(w, u"Mnucode"_qs)),
      registrationEntry(find<QAction>(w, u"mojio"_qs)),
      substituteEntry(find<QAction>(w, u"MnuTouroku(0)"_qs)),
      removePictographsEntry(find<QAction>(w, u"MnuTouroku(1)"_qs)),
      pictographCheckEntry(find<QAction>(w, u"EmojiChk"_qs)),
      autoSubstituteEntry(find<QAction>(w, u"Aouttikan"_qs)),
      paletteEntry(find<QAction>(w, u"pictographPalette"_qs)),
      replaceUnsendableEntry(find<QAction>(w, u"replaceUnsendable"_qs)),
      imodeMenu(find<QMenu>(w, u"imenu"_qs)),
      noConfirmationEntry(find<QAction>(w, u"IOutNO"_qs)),
      newMailAfterSendEntry(find<QAction>(w, u"IOutput"_qs)),
      endAfterSendEntry(find<QAction>(w, u"IOutEnd"_qs)),
      bccToAccountEntry(find<QAction>(w, u"OutBcc"_qs)),
      accountChangeMenu(find<QMenu>(w, u"OutAccuntChg"_qs)),
      accountChangeModeEntries(fixed<QAction, 3>(w, u"OutAdrChg(%1)"_qs)),
      windowMenu(find<QMenu>(w, u"MnuWindow"_qs)),
      panelEntries(fixed<QAction, 3>(w, u"ViewPre(%1)"_qs)),
      horizontalEntry(find<QAction>(w, u"YokoPre"_qs)),
      verticalMenu(find<QMenu>(w, u"MnuTATE"_qs)),
      textViewLayoutEntry(find<QAction>(w, u"PreTate(0)"_qs)),
      sendingLayoutEntry(find<QAction>(w, u"PreTate(1)"_qs)),
      helpMenu(find<QMenu>(w, u"MnuHelp"_qs)),
      aboutEntry(find<QAction>(w, u"Horo"_qs)),
      readmeEntry(find<QAction>(w, u"ReadMe"_qs)),
      resetEntry(find<QAction>(w, u"ReSetSave"_qs)),
      helpEntry(find<QAction>(w, u"MnuOpenHelp"_qs))
{
    for (const LimitFlag flag : allLimitFlags)
        limitFlags[flag] = find<QCheckBox>(w, u"Check1(%1)"_qs.arg(static_cast<int>(flag)));
}

QList<QAction *> MainWindowControls::pictographEntries() const { return numbered<QAction>(window, u"PutChar(%1)"_qs); }

QList<QAction *> MainWindowControls::sendingAddressEntries() const
{
    return numbered<QAction>(window, u"OutAdr(%1)"_qs);
}
