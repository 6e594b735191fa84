#include "gui/pictograph/RegistrationWindow.h"

#include "core/pictograph/DefinitionWriter.h"
#include "core/pictograph/Definitions.h"
#include "core/pictograph/RegistrationEntry.h"
#include "core/platform/Dialogs.h"
#include "gui/pictograph/PictographFont.h"
#include "gui/platform/ControlNames.h"

#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
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
    layOutControls();
    connectHandlers();
    loadDefinitions();
}

void RegistrationWindow::createControls()
{
    c_.codeGroup = named(new QGroupBox(u"コード登録"_qs), u"Frame1"_qs, u"コード登録"_qs);
    c_.symbolField = named(new QLineEdit, u"Text1"_qs, u"記号"_qs);
    c_.pictographSelector = named(new QScrollBar(Qt::Horizontal), u"HScroll1"_qs, u"絵文字選択"_qs);
    c_.pictographSelector->setRange(0, registration::kSelectorMaximum);
    c_.symbolLabel = namedLabel(new QLabel(u"記号"_qs), u"Label1"_qs);
    c_.symbolLabel->setBuddy(c_.symbolField);
    c_.keywordField = named(new QLineEdit, u"Text2"_qs, u"キーワード"_qs);
    c_.keywordLabel = namedLabel(new QLabel(u"： キーワード"_qs), u"Label2"_qs);
    c_.keywordLabel->setBuddy(c_.keywordField);
    c_.registerButton = button(u"Command1"_qs, u"登録"_qs);
    // The labels find the symbol and the keyword when clicked.
    for (QLabel *label : {c_.symbolLabel, c_.keywordLabel}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }

    c_.definitionList = named(new QListView, u"List1"_qs, u"登録一覧"_qs);
    c_.definitionList->setSelectionMode(QAbstractItemView::SingleSelection);
    c_.definitionList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.definitionList->setFont(pictographfont::withFallback(c_.definitionList->font()));
    c_.definitionList->setModel(&model_);
    c_.moveUpButton = button(u"Command4(0)"_qs, u"▲"_qs);
    c_.moveDownButton = button(u"Command4(1)"_qs, u"▼"_qs);
    c_.deleteButton = button(u"Command2(0)"_qs, u"削除"_qs);
    c_.sortButton = button(u"Command2(1)"_qs, u"ソ ｜ ト"_qs);
    c_.putIntoBodyButton = button(u"Command2(2)"_qs, u"本文 記入"_qs);
    c_.applyButton = button(u"Command2(3)"_qs, u"適用"_qs);
    c_.cancelButton = button(u"Command2(4)"_qs, u"キャンセル"_qs);
    c_.okButton = button(u"Command2(5)"_qs, u"ＯＫ"_qs);
}

// The fields and the selector above, the list with the buttons beside it
// below; the list takes what the window grows by.
void RegistrationWindow::layOutControls()
{
    auto *fields = new QGridLayout(c_.codeGroup);
    fields->addWidget(c_.symbolLabel, 0, 0);
    fields->addWidget(c_.symbolField, 0, 1);
    fields->addWidget(c_.keywordLabel, 0, 2);
    fields->addWidget(c_.keywordField, 0, 3);
    fields->addWidget(c_.registerButton, 0, 4);
    fields->addWidget(c_.pictographSelector, 1, 0, 1, 5);
    fields->setColumnStretch(3, 1);
    // The symbol field holds one character: room for a few, the keyword
    // field takes the rest.
    c_.symbolField->setMaximumWidth(c_.symbolField->fontMetrics().horizontalAdvance(u"あ"_qs) * 4);

    auto *side = new QVBoxLayout;
    for (QPushButton *b : {c_.moveUpButton, c_.moveDownButton, c_.deleteButton, c_.sortButton, c_.putIntoBodyButton})
        side->addWidget(b);
    side->addStretch();
    for (QPushButton *b : {c_.applyButton, c_.cancelButton, c_.okButton})
        side->addWidget(b);

    auto *lower = new QHBoxLayout;
    lower->addWidget(c_.definitionList, 1);
    lower->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(c_.codeGroup);
    layout->addLayout(lower, 1);
}

void RegistrationWindow::connectHandlers()
{
    connect(c_.pictographSelector, &QScrollBar::valueChanged, this, &RegistrationWindow::chooseSelectorValue);
    connect(c_.symbolField, &QLineEdit::textChanged, this, &RegistrationWindow::keepOneSymbol);
    connect(c_.keywordField, &QLineEdit::textChanged, this, [this] { keepOneLine(c_.keywordField); });
    connect(c_.registerButton, &QPushButton::clicked, this, &RegistrationWindow::registerEntry);
    connect(c_.definitionList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { loadEntry(current.row()); });
    connect(c_.definitionList, &QListView::clicked, this, [this](const QModelIndex &index) { loadEntry(index.row()); });
    connect(c_.definitionList, &QListView::doubleClicked, this, &RegistrationWindow::putIntoBody);
    connect(c_.moveUpButton, &QPushButton::clicked, this, [this] { moveEntry(-1); });
    connect(c_.moveDownButton, &QPushButton::clicked, this, [this] { moveEntry(1); });
    connect(c_.deleteButton, &QPushButton::clicked, this, &RegistrationWindow::deleteEntry);
    connect(c_.sortButton, &QPushButton::clicked, this, &RegistrationWindow::sortEntries);
    connect(c_.putIntoBodyButton, &QPushButton::clicked, this, &RegistrationWindow::putIntoBody);
    connect(c_.applyButton, &QPushButton::clicked, this, [this] {
        if (save())
            model_.setModified(false);
    });
    connect(c_.cancelButton, &QPushButton::clicked, this, &RegistrationWindow::discardAndClose);
    connect(c_.okButton, &QPushButton::clicked, this, &QWidget::close);
}

void RegistrationWindow::loadDefinitions()
{
    if (!QFile::exists(definitionFile_))
        return;
    model_.setDefinitions(definitions::read(definitionFile_));
    showCount();
}

void RegistrationWindow::showCount()
{
    setWindowTitle(kTitle + u"登録数："_qs + QString::number(model_.rowCount()));
}

int RegistrationWindow::selectedRow() const
{
    const QModelIndex current = c_.definitionList->currentIndex();
    return current.isValid() && c_.definitionList->selectionModel()->isSelected(current) ? current.row() : -1;
}

void RegistrationWindow::selectEntry(int row)
{
    c_.definitionList->setCurrentIndex(model_.index(row));
    loadEntry(row);
}

void RegistrationWindow::loadEntry(int row)
{
    if (row < 0 || row >= model_.rowCount())
        return;
    c_.symbolField->setText(model_.at(row).symbol);
    c_.keywordField->setText(model_.at(row).keyword);
}

void RegistrationWindow::chooseSelectorValue(int value)
{
    c_.symbolField->setText(registration::selectorSymbol(value));
    c_.symbolLabel->setText(registration::selectorLabel(value));
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
    keepOneLine(c_.symbolField);
    const QString text = c_.symbolField->text();
    const QString first = definitions::symbolOf(text);
    if (first.size() < text.size())
        c_.symbolField->setText(first);
}

void RegistrationWindow::registerEntry()
{
    using Outcome = DefinitionListModel::Registration::Outcome;
    const DefinitionListModel::Registration done = model_.registerDefinition(
        {c_.symbolField->text(), c_.keywordField->text()}, selectedRow(), dialogs_);
    if (done.outcome != Outcome::Refused)
        selectEntry(done.row);
}

void RegistrationWindow::deleteEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // Nothing stays selected, so a second press does not take the neighbour.
    c_.definitionList->setCurrentIndex({});
    model_.removeDefinition(row);
}

void RegistrationWindow::sortEntries() { model_.sortByKeyword(); }

void RegistrationWindow::moveEntry(int step)
{
    const int row = selectedRow();
    if (row < 0) {
        dialogs_.inform(u"移動する部分を選択してください。"_qs);
        return;
    }
    if (const std::optional<int> moved = model_.moveDefinition(row, step))
        selectEntry(*moved);
}

void RegistrationWindow::putIntoBody()
{
    const int row = selectedRow();
    if (row >= 0)
        emit symbolChosen(model_.at(row).symbol);
}

void RegistrationWindow::findSymbol()
{
    const QString symbol = c_.symbolField->text();
    if (const std::optional<int> row = model_.findSymbol(symbol))
        selectEntry(*row);
    else
        dialogs_.inform(symbol + u"は、登録されていないようです。"_qs);
}

void RegistrationWindow::findKeyword()
{
    const QString keyword = c_.keywordField->text();
    if (const std::optional<int> row = model_.findKeyword(keyword))
        selectEntry(*row);
    else
        dialogs_.inform(keyword + u"は、登録されていないようです。"_qs);
}

bool RegistrationWindow::save()
{
    if (!definitions::write(definitionFile_, model_.definitions())) {
        dialogs_.inform(u"文字コードを保存できませんでした。"_qs, Dialogs::defaultTitle(), Dialogs::Icon::Critical);
        return false;
    }
    showCount();
    return true;
}

void RegistrationWindow::discardAndClose()
{
    model_.setModified(false);
    close();
}

bool RegistrationWindow::maybeSave()
{
    if (!model_.isModified())
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
        model_.setModified(false);
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

// ESC, which no control of the window takes, is the close box: the close
// question decides.
void RegistrationWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

bool RegistrationWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == c_.symbolLabel)
            findSymbol();
        else if (watched == c_.keywordLabel)
            findKeyword();
    }
    return QWidget::eventFilter(watched, event);
}
