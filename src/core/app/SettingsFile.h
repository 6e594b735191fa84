#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class AccountModel;
class EditedMail;
class MailCountsModel;
class SendingOptions;
struct CommandProgress;
struct WindowSettings;

/// The models the settings file "Horo.ini" is read into and written from.
struct SettingsModels {
    EditedMail &mail;
    /// The limit the character-limit flag takes unasked.
    CommandProgress &command;
    SendingOptions &sending;
    AccountModel &accounts;
    MailCountsModel &counts;
    WindowSettings &window;
};

/// "Horo.ini": one key of four characters, "=" and a value per line.
namespace settingsfile {

/// Applies the lines of the file in file order, each to its model: a
/// switch changes through its model's setter, so that what answers the
/// user's click answers the file too. Unknown keys, lines too short for a
/// key and values that do not parse are passed over. A window size outside
/// one inch and `screenTwips` keeps the window's size.
void apply(const QStringList &lines, const SettingsModels &models, QSize screenTwips);

/// The file's lines for the models as they are, in the order the file
/// keeps them.
QStringList lines(const SettingsModels &models);

} // namespace settingsfile
