#pragma once

#include "core/app/SettingsFile.h"
#include "core/app/WindowSettings.h"
#include "core/compose/CommandProgress.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "core/handoff/AccountModel.h"
#include "core/handoff/MailCounts.h"
#include "core/handoff/SendingOptions.h"
#include "core/pictograph/PictographSlots.h"

/// Everything the program keeps while it runs, each part in the typed model
/// of the subsystem it belongs to: the windows show these and change them,
/// the settings file is read into them and written from them.
struct ProgramState {
    EditedMail mail;
    CommandProgress command;
    PhoneModelList phones;
    SendingOptions sending;
    AccountModel accounts;
    MailCountsModel counts;
    PictographSlots pictographs;
    WindowSettings window;

    /// The parts the settings file holds.
    SettingsModels settings() { return {mail, command, sending, accounts, counts, window}; }
};
