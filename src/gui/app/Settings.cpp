#include "gui/app/Settings.h"

#include "core/app/PresetFile.h"
#include "core/app/ProgramState.h"
#include "core/app/SettingsFile.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"
#include "gui/app/MainWindow.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/PreviewMirror.h"

#include <QFrame>
#include <QScreen>

namespace {

// The room the window's screen offers, in twips.
QSize screenSizeTwips(const MainWindow &w)
{
    const QRect room = w.screen()->availableGeometry();
    return {w.twips().toTwips(room.width()), w.twips().toTwips(room.height())};
}

// The window's size, body font and preview panel as they are now.
void takeWindowSettings(MainWindow &w)
{
    WindowSettings &window = w.state().window;
    const QSize size = w.windowSizeTwips();
    window.widthTwips = size.width();
    window.heightTwips = size.height();
    window.bodyFontPoints = w.ui().bodyField->font().pointSizeF();
    window.previewShown = w.ui().previewPanel->isVisibleTo(&w);
}

} // namespace

void readSettings(MainWindow &w)
{
    // What the file does not say stays as the window has it.
    takeWindowSettings(w);
    const WindowSettings &window = w.state().window;
    settingsfile::apply(textfile::readLines(w.programFile(programfiles::settings)), w.state().settings(),
                        screenSizeTwips(w));
    w.setWindowSizeTwips(window.widthTwips, window.heightTwips);
    QFont font = w.ui().bodyField->font();
    font.setPointSizeF(window.bodyFontPoints);
    w.ui().bodyField->setFont(font);
    w.ui().previewPanel->setVisible(window.previewShown);
    refreshPreviewCopy(w.compose());
    w.layoutControls();
}

QStringList settingsSnapshot(MainWindow &w)
{
    takeWindowSettings(w);
    return settingsfile::lines(w.state().settings());
}

bool writeSettings(MainWindow &w, const QStringList &lines)
{
    return textfile::writeAtomically(w.programFile(programfiles::settings), textfile::joinLines(lines));
}

void readPresets(MainWindow &w)
{
    w.state().phones.append(presetfile::read(w.programFile(programfiles::phoneModels)));
}
