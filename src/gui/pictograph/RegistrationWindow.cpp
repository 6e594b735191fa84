#include "gui/pictograph/RegistrationWindow.h"

#include "core/pictograph/DefinitionWriter.h"
#include "core/pictograph/Definitions.h"
#include "core/pictograph/RegistrationEntry.h"
#include "gui/platform/ControlNames.h"
#include "core/platform/Cp932.h"
#include "core/platform/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString kTitle = u"文字コード登録"_qs;

QPushButton *button(const QString &name, const QString &caption)
{
    return named(new QPushButton(caption), name, caption);
}

} // namespace

RegistrationWindow::RegistrationWindow(Dialogs &dialogs, const QString &definitionFile, QWidget *parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), definitionFile_(definitionFile)
{
    setObjectName(u"Form2"_qs);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);
    createControls();
    connectHandlers();
    loadDefinitions();
}

void RegistrationWindow::createControls()
{
    c_.Frame1 = named(new QGroupBox(u"コード登録"_qs), u"Frame1"_qs, u"コード登録"_qs);
    c_.Text1 = named(new QLineEdit, u"Text1"_qs, u"記号"_qs);
    c_.HScroll1 = named(new QScrollBar(Qt::Horizontal), u"HScroll1"_qs, u"絵文字選択"_qs);
    c_.HScroll1->setRange(0, registration::kSelectorMaximum);
    c_.Label1 = namedLabel(new QLabel(u"記号"_qs), u"Label1"_qs);
    c_.Text2 = named(new QLineEdit, u"Text2"_qs, u"キーワード"_qs);
    c_.Label2 = namedLabel(new QLabel(u"： キーワード"_qs), u"Label2"_qs);
    c_.Command1 = button(u"Command1"_qs, u"登録"_qs);
    // The labels find the symbol and the keyword when clicked.
    for (QLabel *label : {c_.Label1, c_.Label2}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }

    auto *fields = new QGridLayout(c_.Frame1);
    fields->addWidget(c_.Label1, 0, 0);
    fields->addWidget(c_.Text1, 0, 1);
    fields->addWidget(c_.Label2, 0, 2);
    fields->addWidget(c_.Text2, 0, 3);
    fields->addWidget(c_.Command1, 0, 4);
    fields->addWidget(c_.HScroll1, 1, 0, 1, 5);
    fields->setColumnStretch(3, 1);

    c_.List1 = named(new QListWidget, u"List1"_qs, u"登録一覧"_qs);
    c_.List1->setSelectionMode(QAbstractItemView::SingleSelection);
    c_.Command4[0] = button(u"Command4(0)"_qs, u"▲"_qs);
    c_.Command4[1] = button(u"Command4(1)"_qs, u"▼"_qs);
    const QString captions[] = {u"削除"_qs, u"ソ ｜ ト"_qs, u"本文 記入"_qs,
                                u"適用"_qs, u"キャンセル"_qs, u"ＯＫ"_qs};
    for (int i = 0; i < 6; ++i)
        c_.Command2[i] = button(u"Command2(%1)"_qs.arg(i), captions[i]);

    auto *side = new QVBoxLayout;
    side->addWidget(c_.Command4[0]);
    side->addWidget(c_.Command4[1]);
    for (QPushButton *b : c_.Command2) {
        if (b == c_.Command2[3])
            side->addStretch();
        side->addWidget(b);
    }

    auto *lower = new QHBoxLayout;
    lower->addWidget(c_.List1, 1);
    lower->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(c_.Frame1);
    layout->addLayout(lower, 1);
}

void RegistrationWindow::connectHandlers()
{
    connect(c_.HScroll1, &QScrollBar::valueChanged, this, &RegistrationWindow::chooseSelectorValue);
    connect(c_.Text1, &QLineEdit::textChanged, this, &RegistrationWindow::keepOneSymbol);
    connect(c_.Text2, &QLineEdit::textChanged, this, [this] { keepOneLine(c_.Text2); });
    connect(c_.Command1, &QPushButton::clicked, this, &RegistrationWindow::registerEntry);
    connect(c_.List1, &QListWidget::currentRowChanged, this, &RegistrationWindow::loadEntry);
    connect(c_.List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { loadEntry(c_.List1->row(item)); });
    connect(c_.List1, &QListWidget::itemDoubleClicked, this, &RegistrationWindow::putIntoBody);
    connect(c_.Command4[0], &QPushButton::clicked, this, [this] { moveEntry(-1); });
    connect(c_.Command4[1], &QPushButton::clicked, this, [this] { moveEntry(1); });
    connect(c_.Command2[0], &QPushButton::clicked, this, &RegistrationWindow::deleteEntry);
    connect(c_.Command2[1], &QPushButton::clicked, this, &RegistrationWindow::sortEntries);
    connect(c_.Command2[2], &QPushButton::clicked, this, &RegistrationWindow::putIntoBody);
    connect(c_.Command2[3], &QPushButton::clicked, this, [this] {
        if (save())
            changed_ = false;
    });
    connect(c_.Command2[4], &QPushButton::clicked, this, &RegistrationWindow::discardAndClose);
    connect(c_.Command2[5], &QPushButton::clicked, this, &QWidget::close);
}

void RegistrationWindow::loadDefinitions()
{
    if (!QFile::exists(definitionFile_))
        return;
    for (const Definition &d : definitions::read(definitionFile_))
        c_.List1->addItem(registration::entryText(d));
    showCount();
}

void RegistrationWindow::showCount()
{
    setWindowTitle(kTitle + u"登録数："_qs + QString::number(c_.List1->count()));
}

QStringList RegistrationWindow::entries() const
{
    QStringList texts;
    for (int i = 0; i < c_.List1->count(); ++i)
        texts.append(c_.List1->item(i)->text());
    return texts;
}

int RegistrationWindow::selectedRow() const
{
    const QListWidgetItem *item = c_.List1->currentItem();
    return item && item->isSelected() ? c_.List1->row(item) : -1;
}

void RegistrationWindow::selectEntry(int row)
{
    c_.List1->setCurrentRow(row);
    loadEntry(row);
}

void RegistrationWindow::loadEntry(int row)
{
    if (row < 0 || row >= c_.List1->count())
        return;
    const Definition d = registration::parseEntry(c_.List1->item(row)->text());
    c_.Text1->setText(d.symbol);
    c_.Text2->setText(d.keyword);
}

void RegistrationWindow::chooseSelectorValue(int value)
{
    c_.Text1->setText(registration::selectorSymbol(value));
    c_.Label1->setText(registration::selectorLabel(value));
}

// CR, LF and TAB would break the definition file's lines: they never stay
// in a field, typed or pasted.
void RegistrationWindow::keepOneLine(QLineEdit *field)
{
    QString text = field->text();
    text.remove(QRegularExpression(u"[\\r\\n\\t]"_qs));
    if (text.size() < field->text().size())
        field->setText(text);
}

void RegistrationWindow::keepOneSymbol()
{
    keepOneLine(c_.Text1);
    const QString text = c_.Text1->text();
    const QString first = definitions::symbolOf(text);
    if (first.size() < text.size())
        c_.Text1->setText(first);
}

void RegistrationWindow::registerEntry()
{
    Dialogs &dialogs = dialogs_;
    const QString symbol = c_.Text1->text();
    const QString keyword = c_.Text2->text();
    if (symbol.isEmpty()) {
        // An entry without its symbol could not be read back from the file.
        dialogs.inform(u"記号が入力されていません。登録する記号を１文字入力してください。"_qs);
        return;
    }
    // The file is code page 932: anything else would come back as "?".
    if (const std::optional<QString> foreign = cp932::firstUnencodable(symbol + keyword)) {
        dialogs.inform(u"「"_qs + *foreign + u"」は、文字コードに保存できない文字です。登録できません。"_qs,
                       Dialogs::defaultTitle(), Dialogs::Icon::Exclamation);
        return;
    }
    for (int i : registration::overlappingEntries(entries(), keyword)) {
        const QString text = c_.List1->item(i)->text();
        if (!dialogs.askYesNo(u"キーワードが「"_qs + text + u"」と重なっています。よろしいですか？"_qs)) {
            dialogs.inform(u"登録をキャンセルします。"_qs);
            selectEntry(i);
            return;
        }
        if (registration::sameKeyword(text, keyword)) {
            dialogs.inform(u"全く同じキーワードは、登録できません。"_qs);
            return;
        }
    }
    const int selected = selectedRow();
    const int row = selected >= 0 ? selected : c_.List1->count();
    c_.List1->insertItem(row, registration::entryText({symbol, keyword}));
    selectEntry(row);
    changed_ = true;
}

void RegistrationWindow::deleteEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // Nothing stays selected, so a second press does not take the neighbour.
    c_.List1->setCurrentItem(nullptr);
    delete c_.List1->takeItem(row);
    changed_ = true;
}

void RegistrationWindow::sortEntries()
{
    const QStringList sorted = registration::sortedEntries(entries());
    c_.List1->clear();
    c_.List1->addItems(sorted);
    changed_ = true;
}

void RegistrationWindow::moveEntry(int step)
{
    const int row = selectedRow();
    if (row < 0) {
        dialogs_.inform(u"移動する部分を選択してください。"_qs);
        return;
    }
    const int target = row + step;
    if (target < 0 || target >= c_.List1->count())
        return;
    // Moving alone is not a change to be saved.
    c_.List1->insertItem(target, c_.List1->takeItem(row));
    selectEntry(target);
}

void RegistrationWindow::putIntoBody()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    emit symbolChosen(registration::parseEntry(c_.List1->item(row)->text()).symbol);
}

void RegistrationWindow::findSymbol()
{
    const QString symbol = c_.Text1->text();
    const QStringList texts = entries();
    for (int i = 0; i < texts.size(); ++i) {
        if (registration::parseEntry(texts[i]).symbol == symbol) {
            selectEntry(i);
            return;
        }
    }
    dialogs_.inform(symbol + u"は、登録されていないようです。"_qs);
}

void RegistrationWindow::findKeyword()
{
    const QString keyword = c_.Text2->text();
    const QStringList texts = entries();
    for (int i = 0; i < texts.size(); ++i) {
        if (registration::sameKeyword(texts[i], keyword)) {
            selectEntry(i);
            return;
        }
    }
    dialogs_.inform(keyword + u"は、登録されていないようです。"_qs);
}

bool RegistrationWindow::save()
{
    QList<Definition> list;
    for (const QString &text : entries())
        list.append(registration::parseEntry(text));
    if (!definitions::write(definitionFile_, list)) {
        dialogs_.inform(u"文字コードを保存できませんでした。"_qs, Dialogs::defaultTitle(),
                               Dialogs::Icon::Critical);
        return false;
    }
    showCount();
    return true;
}

void RegistrationWindow::discardAndClose()
{
    changed_ = false;
    close();
}

bool RegistrationWindow::maybeSave()
{
    if (!changed_)
        return true;
    const Dialogs::Answer answer = dialogs_.message(u"変更があります。文字コードを保存して終了しますか？"_qs,
                                                    u"保存確認"_qs, Dialogs::Buttons::YesNoCancel);
    // Cancel goes back to editing; so does a failed save, rather than
    // losing the changes.
    if (answer == Dialogs::Answer::Cancel)
        return false;
    if (answer == Dialogs::Answer::Yes) {
        if (!save())
            return false;
        changed_ = false;
    }
    dialogs_.inform(u"Horonamiのメニューに表示されるのは、上から20個までです。"_qs);
    return true;
}

void RegistrationWindow::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

bool RegistrationWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == c_.Label1)
            findSymbol();
        else if (watched == c_.Label2)
            findKeyword();
    }
    return QWidget::eventFilter(watched, event);
}
