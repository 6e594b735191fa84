#include "gui/addressbook/AddressBookWindow.h"

#include "core/addressbook/GroupName.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextFile.h"
#include "gui/platform/DesignSize.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

const QString putIntoMailCaption = QStringLiteral("ﾒｰﾙへ入力");

// The lines of `now` that `before` does not hold (as many times as they are
// missing), in the order of `now`.
QStringList linesBeyond(const QStringList &now, QStringList before)
{
    QStringList added;
    for (const QString &line : now) {
        if (!before.removeOne(line))
            added.append(line);
    }
    return added;
}

} // namespace

AddressBookWindow::AddressBookWindow(Dialogs &dialogs, QWidget *parent) : QDialog(parent, Qt::Window), dialogs_(dialogs)
{
    setObjectName(u"AddressBook"_qs);
    setWindowTitle(u"アドレス帳"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
    createAddressBookControls(controls_, this);
    // The design's size in the font's proportions, or what the controls
    // need when that is more.
    resize(designSize(this, 7110, 4980).expandedTo(sizeHint()));
    connectControls();
}

void AddressBookWindow::connectControls()
{
    AddressBookControls &c = controls_;
    connect(c.bookList, &QComboBox::currentIndexChanged, this, [this] { loadChosenBook(); });
    connect(c.entryList, &QListWidget::currentRowChanged, this, [this] { showEntry(); });
    connect(c.entryList, &QListWidget::itemDoubleClicked, this, [this] { putIntoMail(); });
    connect(c.entryList, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) { popUpMenu(pos); });
    connect(c.putIntoMailButton, &QPushButton::clicked, this, [this] { saveMode_ ? save() : putIntoMail(); });
    connect(c.closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(c.newEntryButton, &QPushButton::clicked, this, [this] { newEntry(); });
    connect(c.editButton, &QPushButton::clicked, this, [this] { edit(); });
    connect(c.deleteButton, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(c.importExportButton, &QPushButton::clicked, this, [this] { exportMode_ ? exportMyAdr() : importEntry(); });
    connect(c.importAction, &QAction::triggered, this, [this] { importEntry(); });
    connect(c.putIntoMailAction, &QAction::triggered, this, [this] { putIntoMail(); });
    connect(c.deleteAction, &QAction::triggered, this, [this] { deleteEntry(); });
    connect(c.renameAction, &QAction::triggered, this, [this] { rename(); });
    connect(c.editAction, &QAction::triggered, this, [this] { edit(); });
    connect(c.newEntryAction, &QAction::triggered, this, [this] { newEntry(); });
    connect(c.exportAction, &QAction::triggered, this, [this] { exportMyAdr(); });

    // Only the user's edits count as changes; text set by the window does not.
    connect(c.addressField, &QLineEdit::textEdited, this, [this] { markEdited(&addressChanged_); });
    connect(c.nameField, &QLineEdit::textEdited, this, [this] { markEdited(&nameChanged_); });
    for (QLineEdit *details : {c.nicknameField, c.homePageField, c.pgpField})
        connect(details, &QLineEdit::textEdited, this, [this] { markEdited(&detailsChanged_); });
    connect(c.modelField, &QComboBox::activated, this, [this] { detailsChanged_ = true; });

    for (QWidget *hinted : std::initializer_list<QWidget *>{c.entryList, c.newEntryButton, c.editButton,
                                                            c.deleteButton, c.importExportButton})
        hinted->installEventFilter(this);
    for (QLineEdit *field : c.textFields())
        field->installEventFilter(this);
    c.dropTarget->installEventFilter(this);
    connect(c.chooseFileButton, &QPushButton::clicked, this, [this] { chooseFile(); });
}

void AddressBookWindow::openMyAdr(const MyAdrSetup &setup)
{
    AddressBookControls &c = controls_;
    myAdr_ = setup;
    mode_ = Mode::MyAdr;
    modelChoices_ = {{addressbook::unknownModel(), 809}};
    modelChoices_ += setup.models;
    modelChoices_.append({otherModelName(), 0});
    for (const PhoneModel &model : modelChoices_)
        c.modelField->addItem(model.name, model.code);
    books_ = {{u"addr"_qs, setup.bookFile}};
    c.bookList->addItem(books_.first().shownName);
    c.bookList->setEnabled(false);
    exportMode_ = true;
    c.importExportButton->setText(u"エクスポート"_qs);
    c.importExportButton->setToolTip(u"MYアドレス帳をBECKYのアドレス帳に登録します。"_qs);
}

void AddressBookWindow::openBeckyBooks(const QList<addressbook::BookFile> &books, int rememberedIndex,
                                       const QString &myAdrFile)
{
    AddressBookControls &c = controls_;
    mode_ = Mode::BeckyAdr;
    myAdr_.bookFile = myAdrFile;
    {
        const QSignalBlocker quiet(c.bookList);
        books_ = books;
        for (const addressbook::BookFile &book : books)
            c.bookList->addItem(book.shownName);
        c.bookList->setCurrentIndex(-1);
    }
    if (rememberedIndex >= 0 && rememberedIndex < books.size())
        c.bookList->setCurrentIndex(rememberedIndex);
    else if (!books.isEmpty())
        c.bookList->setCurrentIndex(0);
    for (QPushButton *editing : {c.newEntryButton, c.editButton, c.deleteButton})
        editing->setEnabled(false);
}

void AddressBookWindow::openFileDrop()
{
    AddressBookControls &c = controls_;
    mode_ = Mode::FileDrop;
    // The panel alone: the book's controls take no room and no focus.
    c.bookPanel->hide();
    c.fileReadPanel->show();
    layout()->activate();
    // The panel's design size in the font's proportions, or what its text
    // needs; the window system adds the borders and the caption around it.
    const QSize size = designSize(this, 3255, 735).expandedTo(sizeHint());
    resize(size.width(), std::max(size.height(), heightForWidth(size.width())));
    setWindowTitle(u"読み込み"_qs);
}

// Loads the book chosen in the kind list, with the i-mode filter.
void AddressBookWindow::loadChosenBook()
{
    AddressBookControls &c = controls_;
    const int chosen = c.bookList->currentIndex();
    if (chosen < 0 || chosen >= books_.size())
        return;
    const QString path = books_[chosen].path;
    const addressbook::LoadedBook book = addressbook::loadBook(path, imodeOnly_);
    entries_ = book.entries;
    setAside_ = book.setAside;
    fileLines_ = textfile::readLines(path);
    {
        const QSignalBlocker quiet(c.entryList);
        c.entryList->clear();
        for (const AddressEntry &entry : entries_)
            c.entryList->addItem(entry.name);
    }
    c.hintLabel->setText(books_[chosen].shownName);
    if (!entries_.isEmpty())
        selectEntry(0);
}

// Selects a line from code and shows it, also when it was selected already.
void AddressBookWindow::selectEntry(int row)
{
    {
        const QSignalBlocker quiet(controls_.entryList);
        controls_.entryList->setCurrentRow(row);
    }
    showEntry();
}

void AddressBookWindow::showEntry()
{
    AddressBookControls &c = controls_;
    const int row = c.entryList->currentRow();
    if (mode_ == Mode::MyAdr) {
        offerToKeepEdit();
        shownIndex_ = row;
    }
    fillFields(row >= 0 && row < entries_.size() ? entries_[row] : AddressEntry());
    clearFieldFlags();
    saveMode_ = false;
    c.putIntoMailButton->setText(putIntoMailCaption);
    setFieldsLocked(c, true);
}

// Asks whether to keep edited fields in the entry they were edited for.
void AddressBookWindow::offerToKeepEdit()
{
    if (anyFieldChanged()
        && dialogs_.askYesNo(u"アドレス情報が変更されたようです。保存しますか？"_qs, u"保存？"_qs))
        commitAt(shownIndex_);
}

void AddressBookWindow::fillFields(const AddressEntry &entry)
{
    AddressBookControls &c = controls_;
    const addressbook::DetailFields fields = addressbook::splitDetails(entry.details);
    c.nameField->setText(entry.name);
    c.addressField->setText(entry.address);
    if (mode_ == Mode::MyAdr) {
        c.modelField->setCurrentIndex(modelChoiceOf(fields.model));
    } else {
        c.modelField->clear();
        c.modelField->addItem(fields.model);
        c.modelField->setCurrentIndex(0);
    }
    c.nicknameField->setText(fields.nickname);
    c.homePageField->setText(fields.homePage);
    c.pgpField->setText(fields.pgpUserId);
}

bool AddressBookWindow::anyFieldChanged() const
{
    return addressChanged_ || nameChanged_ || detailsChanged_;
}

void AddressBookWindow::clearFieldFlags()
{
    addressChanged_ = nameChanged_ = detailsChanged_ = false;
}

void AddressBookWindow::markEdited(bool *flag)
{
    *flag = true;
    saveMode_ = true;
}

// Puts the edited fields into the entry at `row`; the file is written by
// the save only.
void AddressBookWindow::commitAt(int row)
{
    AddressBookControls &c = controls_;
    if (row >= 0 && row < entries_.size()) {
        addressbook::EntryEdit edit{c.addressField->text(), c.nameField->text(),
                                    {QString(), c.nicknameField->text(), c.homePageField->text(), c.pgpField->text()},
                                    addressChanged_, nameChanged_, detailsChanged_};
        const bool rebuilt = detailsChanged_ || nameChanged_;
        const QString previousModel = addressbook::splitDetails(entries_[row].details).model;
        addressbook::commitEntry(entries_[row], edit, [this, &previousModel] { return chosenModelName(previousModel); });
        c.entryList->item(row)->setText(entries_[row].name);
        if (rebuilt) {
            c.nicknameField->setText(edit.details.nickname);
            c.homePageField->setText(edit.details.homePage);
            c.pgpField->setText(edit.details.pgpUserId);
        }
        bookChanged_ = true;
    }
    clearFieldFlags();
    setFieldsLocked(c, true);
}

// The model name for rebuilt details: "不明" without a choice; "その他" adds
// a new phone model and takes its name. When none is added (the user
// cancelled), the entry keeps its previous model.
QString AddressBookWindow::chosenModelName(const QString &previousModel)
{
    QComboBox *models = controls_.modelField;
    const int chosen = models->currentIndex();
    const int other = static_cast<int>(modelChoices_.size()) - 1; // "その他", always last
    if (chosen < 0 || chosen > other)
        return addressbook::unknownModel();
    if (chosen != other)
        return modelChoices_[chosen].name;
    const std::optional<PhoneModel> added = myAdr_.addPhoneModel ? myAdr_.addPhoneModel() : std::nullopt;
    if (!added) {
        const QString kept = previousModel.isEmpty() ? addressbook::unknownModel() : previousModel;
        models->setCurrentIndex(modelChoiceOf(kept));
        return kept;
    }
    modelChoices_.insert(other, *added);
    models->insertItem(other, added->name, added->code);
    models->setCurrentIndex(other);
    return added->name;
}

// The model field's item of a model name: the first with that name, else
// "不明".
int AddressBookWindow::modelChoiceOf(const QString &name) const
{
    const auto found = std::find_if(modelChoices_.begin(), modelChoices_.end(),
                                    [&name](const PhoneModel &model) { return model.name == name; });
    return found == modelChoices_.end() ? 0 : static_cast<int>(found - modelChoices_.begin());
}

// Lines another command appended to the book file since it was loaded or
// saved here (the send command registers new recipients).
QStringList AddressBookWindow::linesAddedElsewhere() const
{
    return linesBeyond(textfile::readLines(myAdr_.bookFile), fileLines_);
}

// Writes MY ADR, keeping lines added to the file meanwhile, and hands out
// the To list of what was written. A failed write is reported and changes
// nothing.
bool AddressBookWindow::saveMyAdr()
{
    const QStringList kept = setAside_ + linesAddedElsewhere();
    if (!addressbook::saveBook(myAdr_.bookFile, entries_, kept)) {
        dialogs_.inform(u"アドレス帳を保存できませんでした。"_qs);
        return false;
    }
    setAside_ = kept;
    fileLines_ = textfile::readLines(myAdr_.bookFile);
    bookChanged_ = false;
    QList<addressbook::AddressListItem> items;
    for (const QString &line : fileLines_) {
        if (const std::optional<addressbook::AddressListItem> item = addressbook::addressListItemOfLine(line))
            items.append(*item);
    }
    emit addressListChanged(items);
    return true;
}

void AddressBookWindow::putIntoMail()
{
    const int row = controls_.entryList->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    emit addressChosen(entries_[row].address);
}

void AddressBookWindow::edit()
{
    if (!controls_.addressField->isReadOnly())
        return;
    controls_.putIntoMailButton->setText(u"保存"_qs);
    saveMode_ = true;
    setFieldsLocked(controls_, false);
}

void AddressBookWindow::save()
{
    commitAt(controls_.entryList->currentRow());
    if (!saveMyAdr())
        return;
    controls_.putIntoMailButton->setText(putIntoMailCaption);
    saveMode_ = false;
    dialogs_.inform(u"保存しました。"_qs, u"アドレス帳更新"_qs);
}

void AddressBookWindow::newEntry()
{
    const QString answer = addressbook::cleanField(
        dialogs_.input(u"新規作成する名前、又は、mailアドレスを打ち込んでください。"_qs, u"登録名"_qs, myAdr_.newEntryDefault)
            .value_or(QString()));
    if (answer.isEmpty())
        return;
    entries_.append({answer.contains(u'@') ? answer : QString(), answer, QString()});
    {
        const QSignalBlocker quiet(controls_.entryList);
        controls_.entryList->addItem(answer);
    }
    bookChanged_ = true;
}

void AddressBookWindow::deleteEntry()
{
    QListWidget *list = controls_.entryList;
    const int row = list->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    if (!dialogs_.askYesNo(entries_[row].name + u"を削除しますか？"_qs, u"削除確認"_qs))
        return;
    entries_.removeAt(row);
    {
        const QSignalBlocker quiet(list);
        delete list->takeItem(row);
        list->setCurrentRow(-1);
    }
    bookChanged_ = true;
    // The fields held the deleted entry: they show nothing and no later
    // commit can write them into another entry.
    clearFieldFlags();
    shownIndex_ = -1;
    if (!entries_.isEmpty())
        selectEntry(0);
    else
        selectEntry(-1);
}

void AddressBookWindow::rename()
{
    const int row = controls_.entryList->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    const QString answer = addressbook::cleanField(
        dialogs_.input(u"名前を変更しますか？"_qs, u"登録名変更？"_qs, entries_[row].name).value_or(QString()));
    if (answer.isEmpty())
        return;
    entries_[row].name = answer;
    controls_.entryList->item(row)->setText(answer);
    bookChanged_ = true;
}

void AddressBookWindow::importEntry()
{
    const int row = controls_.entryList->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    const AddressEntry &entry = entries_[row];
    if (!dialogs_.askYesNo(entry.name + u"をMYアドレス帳に登録しますか？"_qs, u"インポート"_qs))
        return;
    if (!addressbook::importEntry(myAdr_.bookFile, entry)) {
        dialogs_.inform(u"MYアドレス帳に登録できませんでした。"_qs);
        return;
    }
    emit entryImported(entry.address);
}

// Asks for the export's group name until it is one a file name can carry;
// nothing when the question was cancelled or answered empty.
std::optional<QString> AddressBookWindow::askGroupName()
{
    QString proposal = u"i-mode"_qs;
    for (;;) {
        const QString group = dialogs_
                                  .input(u"Beckyのアドレス帳で使用するグループ名を指定してください。"_qs,
                                         u"グループ名指定"_qs, proposal)
                                  .value_or(QString());
        if (group.isEmpty())
            return std::nullopt;
        if (addressbook::isValidGroupName(group))
            return group;
        dialogs_.inform(addressbook::invalidGroupNameMessage(), u"グループ名指定"_qs,
                        Dialogs::Icon::Exclamation);
        proposal = group;
    }
}

void AddressBookWindow::exportMyAdr()
{
    Dialogs &dialogs = dialogs_;
    if (!dialogs.askYesNo(u"MYアドレス帳をベッキーのアドレス帳に追加しますか？"_qs, u"Beckyエクスポート"_qs))
        return;
    const std::optional<QString> group = askGroupName();
    if (!group)
        return;
    const std::optional<QString> existing = addressbook::existingGroupFile(myAdr_.exportFolder, *group);
    if (existing
        && !dialogs.askYesNo(u"そのグループ名は、既に存在します。上書きしますか？\r\n"
                             u"※注意:上書きしてしまうと既存のデータは、消えてしまいます。"_qs,
                             u"上書き確認"_qs))
        return;
    const QString target = existing.value_or(QDir(myAdr_.exportFolder).filePath(*group + u".Adr"_qs));
    if (!addressbook::exportBook(myAdr_.bookFile, target)) {
        dialogs.inform(u"エクスポートできませんでした。"_qs);
        return;
    }
    dialogs.inform(u"追加完了しました。"_qs);
}

void AddressBookWindow::popUpMenu(const QPoint &pos)
{
    QMenu *menu = mode_ == Mode::MyAdr ? controls_.myAdrMenu : controls_.bookMenu;
    menu->popup(controls_.entryList->viewport()->mapToGlobal(pos));
}

void AddressBookWindow::dropFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (dialogs_.askYesNo(QDir::toNativeSeparators(path) + u"を読み込みますか？"_qs, u"Horo"_qs)) {
            emit fileChosen(path);
            close();
            return;
        }
    }
}

void AddressBookWindow::chooseFile()
{
    if (const std::optional<QString> path = dialogs_.chooseTextFile()) {
        emit fileChosen(*path);
        close();
    }
}

bool AddressBookWindow::maybeSave()
{
    if (mode_ != Mode::MyAdr)
        return true;
    // Cancel on either question goes back to editing with nothing lost.
    if (anyFieldChanged()) {
        const Dialogs::Answer keep = dialogs_.message(u"アドレス情報が変更されたようです。保存しますか？"_qs,
                                                      u"保存？"_qs, Dialogs::Buttons::YesNoCancel);
        if (keep == Dialogs::Answer::Cancel)
            return false;
        if (keep == Dialogs::Answer::Yes)
            commitAt(shownIndex_);
    }
    if (!bookChanged_)
        return true;
    switch (dialogs_.message(u"アドレス帳に変更があります。保存しますか？"_qs, u"アドレス帳保存"_qs,
                             Dialogs::Buttons::YesNoCancel)) {
    case Dialogs::Answer::Yes:
        // A failed save keeps the window open rather than losing the book.
        return saveMyAdr();
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

void AddressBookWindow::reject()
{
    // Once the close questions are answered, QDialog's own close ends in a
    // reject: that one hides the window.
    if (closing_)
        QDialog::reject();
    else
        close();
}

// Run by the close box, "閉じる" and ESC alike.
void AddressBookWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    // The file-drop panel shows no book: it leaves the remembered one alone.
    if (mode_ != Mode::FileDrop)
        emit bookChosen(controls_.bookList->currentIndex());
    closing_ = true;
    QDialog::closeEvent(event);
}

bool AddressBookWindow::eventFilter(QObject *watched, QEvent *event)
{
    AddressBookControls &c = controls_;
    if (watched == c.dropTarget) {
        if (event->type() == QEvent::DragEnter) {
            auto *drag = static_cast<QDragEnterEvent *>(event);
            if (drag->mimeData()->hasUrls())
                drag->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            QStringList paths;
            for (const QUrl &url : drop->mimeData()->urls()) {
                if (url.isLocalFile())
                    paths.append(url.toLocalFile());
            }
            drop->acceptProposedAction();
            if (!paths.isEmpty())
                dropFiles(paths);
            return true;
        }
    } else if (event->type() == QEvent::Enter) {
        if (auto *widget = qobject_cast<QWidget *>(watched))
            c.hintLabel->setText(widget->toolTip());
    }
    return QDialog::eventFilter(watched, event);
}
