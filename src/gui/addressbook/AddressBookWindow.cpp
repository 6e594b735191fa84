#include "gui/addressbook/AddressBookWindow.h"

#include "core/addressbook/GroupName.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextFile.h"
#include "gui/platform/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
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

AddressBookWindow::AddressBookWindow(Dialogs &dialogs, const Twips &twips, QWidget *parent)
    : QDialog(parent, Qt::Window), dialogs_(dialogs), twips_(twips)
{
    setObjectName(u"AddressBook"_qs);
    setWindowTitle(u"アドレス帳"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twips.toPixels(7110), twips.toPixels(4980));
    createAddressBookControls(controls_, this, twips);
    connectControls();
}

void AddressBookWindow::connectControls()
{
    AddressBookControls &c = controls_;
    connect(c.Combo1, &QComboBox::currentIndexChanged, this, [this] { loadChosenBook(); });
    connect(c.List1, &QListWidget::currentRowChanged, this, [this] { showEntry(); });
    connect(c.List1, &QListWidget::itemDoubleClicked, this, [this] { putIntoMail(); });
    connect(c.List1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) { popUpMenu(pos); });
    connect(c.Command1, &QPushButton::clicked, this, [this] { saveMode_ ? save() : putIntoMail(); });
    connect(c.Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(c.Command3[0], &QPushButton::clicked, this, [this] { newEntry(); });
    connect(c.Command3[1], &QPushButton::clicked, this, [this] { edit(); });
    connect(c.Command3[2], &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(c.Command3[3], &QPushButton::clicked, this, [this] { exportMode_ ? exportMyAdr() : importEntry(); });
    connect(c.adrchg, &QAction::triggered, this, [this] { importEntry(); });
    connect(c.OnMail, &QAction::triggered, this, [this] { putIntoMail(); });
    connect(c.DelList, &QAction::triggered, this, [this] { deleteEntry(); });
    connect(c.NameChg, &QAction::triggered, this, [this] { rename(); });
    connect(c.MnuHenkou, &QAction::triggered, this, [this] { edit(); });
    connect(c.NewAdr, &QAction::triggered, this, [this] { newEntry(); });
    connect(c.BeckyEx, &QAction::triggered, this, [this] { exportMyAdr(); });

    // Only the user's edits count as changes; text set by the window does not.
    connect(c.Text1[0], &QLineEdit::textEdited, this, [this] { markEdited(&addressChanged_); });
    connect(c.Text1[1], &QLineEdit::textEdited, this, [this] { markEdited(&nameChanged_); });
    for (int i = 2; i < 5; ++i)
        connect(c.Text1[i], &QLineEdit::textEdited, this, [this] { markEdited(&detailsChanged_); });
    connect(c.Combo2, &QComboBox::activated, this, [this] { detailsChanged_ = true; });

    for (QWidget *hinted : {static_cast<QWidget *>(c.List1), static_cast<QWidget *>(c.Command3[0]),
                            static_cast<QWidget *>(c.Command3[1]), static_cast<QWidget *>(c.Command3[2]),
                            static_cast<QWidget *>(c.Command3[3])})
        hinted->installEventFilter(this);
    for (QLineEdit *field : c.Text1)
        field->installEventFilter(this);
    c.Label2->installEventFilter(this);
    connect(c.chooseFileButton, &QPushButton::clicked, this, [this] { chooseFile(); });
}

void AddressBookWindow::openMyAdr(const MyAdrSetup &setup)
{
    AddressBookControls &c = controls_;
    myAdr_ = setup;
    mode_ = Mode::MyAdr;
    c.Combo2->addItem(addressbook::unknownModel(), 809);
    for (const PhoneModel &model : setup.models)
        c.Combo2->addItem(model.name, model.code);
    c.Combo2->addItem(otherModelName(), 0);
    c.Combo1->addItem(u"addr"_qs, setup.bookFile);
    c.Combo1->setEnabled(false);
    exportMode_ = true;
    c.Command3[3]->setText(u"エクスポート"_qs);
    c.Command3[3]->setToolTip(u"MYアドレス帳をBECKYのアドレス帳に登録します。"_qs);
}

void AddressBookWindow::openBeckyBooks(const QList<addressbook::BookFile> &books, int rememberedIndex,
                                       const QString &myAdrFile)
{
    AddressBookControls &c = controls_;
    mode_ = Mode::BeckyAdr;
    myAdr_.bookFile = myAdrFile;
    {
        const QSignalBlocker quiet(c.Combo1);
        for (const addressbook::BookFile &book : books)
            c.Combo1->addItem(book.shownName, book.path);
        c.Combo1->setCurrentIndex(-1);
    }
    if (rememberedIndex >= 0 && rememberedIndex < books.size())
        c.Combo1->setCurrentIndex(rememberedIndex);
    else if (!books.isEmpty())
        c.Combo1->setCurrentIndex(0);
    for (int i = 0; i < 3; ++i)
        c.Command3[i]->setEnabled(false);
}

void AddressBookWindow::openFileDrop()
{
    AddressBookControls &c = controls_;
    mode_ = Mode::FileDrop;
    const Twips &twips = twips_;
    // The panel alone: the book's controls would show through it and take
    // the focus.
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setVisible(control == c.Frame1);
    // The inner area is the panel alone, at its design size unless its font
    // needs more room; the window system adds the borders and the caption
    // around it.
    const int width = std::max(twips.toPixels(twips.width(c.Frame1)), c.Frame1->sizeHint().width());
    const int height = std::max(twips.toPixels(twips.height(c.Frame1)), c.Frame1->heightForWidth(width));
    twips.place(c.Frame1, 0, 0, twips.toTwips(width), twips.toTwips(height));
    resize(width, height);
    setWindowTitle(u"読み込み"_qs);
}

// Loads the book chosen in the kind list, with the i-mode filter.
void AddressBookWindow::loadChosenBook()
{
    AddressBookControls &c = controls_;
    const int chosen = c.Combo1->currentIndex();
    if (chosen < 0)
        return;
    const QString path = c.Combo1->itemData(chosen).toString();
    const addressbook::LoadedBook book = addressbook::loadBook(path, imodeOnly_);
    entries_ = book.entries;
    setAside_ = book.setAside;
    fileLines_ = textfile::readLines(path);
    {
        const QSignalBlocker quiet(c.List1);
        c.List1->clear();
        for (const AddressEntry &entry : entries_)
            c.List1->addItem(entry.name);
    }
    c.Label1->setText(c.Combo1->itemText(chosen));
    if (!entries_.isEmpty())
        selectEntry(0);
}

// Selects a line from code and shows it, also when it was selected already.
void AddressBookWindow::selectEntry(int row)
{
    {
        const QSignalBlocker quiet(controls_.List1);
        controls_.List1->setCurrentRow(row);
    }
    showEntry();
}

void AddressBookWindow::showEntry()
{
    AddressBookControls &c = controls_;
    const int row = c.List1->currentRow();
    if (mode_ == Mode::MyAdr) {
        offerToKeepEdit();
        shownIndex_ = row;
    }
    c.Text1[1]->setText(row >= 0 ? c.List1->item(row)->text() : QString());
    if (row >= 0 && row < entries_.size())
        fillFields(entries_[row]);
    else
        fillFields({});
    clearFieldFlags();
    saveMode_ = false;
    c.Command1->setText(putIntoMailCaption);
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
    c.Text1[0]->setText(entry.address);
    if (mode_ == Mode::MyAdr) {
        c.Combo2->setCurrentIndex(std::max(c.Combo2->findText(fields.model, Qt::MatchExactly | Qt::MatchCaseSensitive), 0));
    } else {
        c.Combo2->clear();
        c.Combo2->addItem(fields.model);
        c.Combo2->setCurrentIndex(0);
    }
    c.Text1[2]->setText(fields.nickname);
    c.Text1[3]->setText(fields.homePage);
    c.Text1[4]->setText(fields.pgpUserId);
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
        addressbook::EntryEdit edit{c.Text1[0]->text(), c.Text1[1]->text(),
                                    {QString(), c.Text1[2]->text(), c.Text1[3]->text(), c.Text1[4]->text()},
                                    addressChanged_, nameChanged_, detailsChanged_};
        const bool rebuilt = detailsChanged_ || nameChanged_;
        const QString previousModel = addressbook::splitDetails(entries_[row].details).model;
        addressbook::commitEntry(entries_[row], edit, [this, &previousModel] { return chosenModelName(previousModel); });
        c.List1->item(row)->setText(entries_[row].name);
        if (rebuilt) {
            c.Text1[2]->setText(edit.details.nickname);
            c.Text1[3]->setText(edit.details.homePage);
            c.Text1[4]->setText(edit.details.pgpUserId);
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
    QComboBox *models = controls_.Combo2;
    const int chosen = models->currentIndex();
    if (chosen < 0)
        return addressbook::unknownModel();
    if (models->itemText(chosen) != otherModelName())
        return models->itemText(chosen);
    const std::optional<PhoneModel> added = myAdr_.addPhoneModel ? myAdr_.addPhoneModel() : std::nullopt;
    if (!added) {
        const QString kept = previousModel.isEmpty() ? addressbook::unknownModel() : previousModel;
        models->setCurrentIndex(std::max(models->findText(kept, Qt::MatchExactly | Qt::MatchCaseSensitive), 0));
        return kept;
    }
    const int at = models->count() - 1; // before "その他", which stays last
    models->insertItem(at, added->name, added->code);
    models->setCurrentIndex(at);
    return added->name;
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
    const int row = controls_.List1->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    emit addressChosen(entries_[row].address);
}

void AddressBookWindow::edit()
{
    if (!controls_.Text1[0]->isReadOnly())
        return;
    controls_.Command1->setText(u"保存"_qs);
    saveMode_ = true;
    setFieldsLocked(controls_, false);
}

void AddressBookWindow::save()
{
    commitAt(controls_.List1->currentRow());
    if (!saveMyAdr())
        return;
    controls_.Command1->setText(putIntoMailCaption);
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
        const QSignalBlocker quiet(controls_.List1);
        controls_.List1->addItem(answer);
    }
    bookChanged_ = true;
}

void AddressBookWindow::deleteEntry()
{
    QListWidget *list = controls_.List1;
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
    const int row = controls_.List1->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    const QString answer = addressbook::cleanField(
        dialogs_.input(u"名前を変更しますか？"_qs, u"登録名変更？"_qs, entries_[row].name).value_or(QString()));
    if (answer.isEmpty())
        return;
    entries_[row].name = answer;
    controls_.List1->item(row)->setText(answer);
    bookChanged_ = true;
}

void AddressBookWindow::importEntry()
{
    const int row = controls_.List1->currentRow();
    if (row < 0 || row >= entries_.size())
        return;
    const AddressEntry &entry = entries_[row];
    if (!dialogs_.askYesNo(entry.name + u"をMYアドレス帳に登録しますか？"_qs, u"インポート"_qs))
        return;
    if (!addressbook::importEntry(myAdr_.bookFile, entry)) {
        dialogs_.inform(u"MYアドレス帳に登録できませんでした。"_qs);
        return;
    }
    emit entryImported(controls_.Text1[0]->text());
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
    QMenu *menu = mode_ == Mode::MyAdr ? controls_.MyMnuList : controls_.MnuList;
    menu->popup(controls_.List1->viewport()->mapToGlobal(pos));
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
        emit bookChosen(controls_.Combo1->currentIndex());
    closing_ = true;
    QDialog::closeEvent(event);
}

void AddressBookWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOut();
}

// The layout rules in twips; an assignment the window system would reject
// is skipped by the twips setters.
void AddressBookWindow::layOut()
{
    AddressBookControls &c = controls_;
    const Twips &twips = twips_;
    const int width = twips.toTwips(this->width());
    const int height = twips.toTwips(this->height());
    twips.setWidth(c.Combo1, width);
    twips.setWidth(c.List1, width - twips.width(c.Command3[0]) - 240);
    twips.setHeight(c.List1, height - 3240);
    twips.setLeft(c.Command3[0], twips.width(c.List1) + 105);
    for (int i = 1; i < 4; ++i)
        twips.setLeft(c.Command3[i], twips.left(c.Command3[0]));
    twips.setTop(c.Frame2, height - 2940);
    twips.setWidth(c.Frame2, twips.width(c.Combo1));
    twips.setWidth(c.Text1[0], twips.width(c.Frame2) - 1440);
    for (int i = 1; i < 5; ++i)
        twips.setWidth(c.Text1[i], twips.width(c.Text1[0]));
    twips.setWidth(c.Combo2, twips.width(c.Text1[0]));
    twips.setTop(c.Label1, height - 540);
    twips.setTop(c.Command1, twips.top(c.Label1));
    twips.setTop(c.Command2, twips.top(c.Label1));
    // The file-drop panel, shown alone, fills the window.
    if (!c.Frame1->isHidden())
        twips.place(c.Frame1, 0, 0, width, height);
}

bool AddressBookWindow::eventFilter(QObject *watched, QEvent *event)
{
    AddressBookControls &c = controls_;
    if (watched == c.Label2) {
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
            c.Label1->setText(widget->toolTip());
    }
    return QDialog::eventFilter(watched, event);
}
