#pragma once

#include "gui/pictograph/RegistrationWindow.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

inline const QString kSun = u"\uE63E"_qs;
inline const QString kCloud = u"\uE63F"_qs;
inline const QString kRain = u"\uE640"_qs;
inline const QString kDefinitionFile = u"Emoji.code"_qs;
inline const QString kSaveTitle = u"保存確認"_qs;
inline const QString kSaveQuestion = u"変更があります。文字コードを保存して終了しますか？"_qs;
inline const QString kMenuNote = u"Horonamiのメニューに表示されるのは、上から20個までです。"_qs;

/// The code registration window opened from the main window's menu, on a
/// program folder holding the given "Emoji.code".
class RegistrationWindowTest : public ::testing::Test {
protected:
    /// Starts the program with `file` as "Emoji.code" (hare: sun, ame: rain
    /// by default) and opens the window from the menu.
    void open(const QString &file = kSun + u"\thare\r\n"_qs + kRain + u"\tame\r\n"_qs)
    {
        h.folder.writeText(kDefinitionFile, file);
        openWithoutFile();
    }
    void openWithoutFile()
    {
        ASSERT_TRUE(h.start());
        h.ui().registrationEntry->trigger();
        win = h.window().findChild<RegistrationWindow *>();
        ASSERT_NE(win, nullptr);
        c = &win->ui();
    }
    QStringList keywords() const
    {
        QStringList list;
        for (const Definition &d : win->definitions().definitions())
            list.append(d.keyword);
        return list;
    }
    /// The selected row, or -1.
    int selected() const
    {
        const QModelIndexList rows = c->definitionList->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void select(int row) { c->definitionList->setCurrentIndex(win->definitions().index(row)); }
    void fill(const QString &symbol, const QString &keyword)
    {
        c->symbolField->setText(symbol);
        c->keywordField->setText(keyword);
    }
    /// Closes the window and lets its deletion happen.
    void closeWindow(QPushButton *button)
    {
        button->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString savedFile() const { return h.folder.readText(kDefinitionFile); }

    WindowHarness h;
    QPointer<RegistrationWindow> win;
    RegistrationControls *c = nullptr;
};
