#pragma once

#include <QString>

#include <optional>

class AccountModel;
class Dialogs;
class EditedMail;
class HostPaths;
class Registry;

/// Finding Becky: at start-up from the program's Becky record or by
/// discovery, with the questions for a changed or missing set-up and the
/// manual set-up; and again later (a reset, a send that lost Becky's mail
/// folder). What it finds goes into the accounts.
class BeckySetup {
public:
    /// What finding Becky needs.
    struct Context {
        Dialogs &dialogs;
        const Registry &registry;
        const HostPaths &hostPaths;
        QString programFolder;
        AccountModel &accounts;
        /// A first run that finds Becky switches the i-mode setting on.
        EditedMail &mail;
    };

    /// How the start-up's search ended.
    enum class Outcome {
        Found,
        /// Becky is not there: the i-mode setting is locked off, and the
        /// window switches the Becky features off for the run.
        NotFound,
        /// The manual set-up succeeded: the program ends at once.
        EndProgram,
    };

    explicit BeckySetup(Context context) : c_(std::move(context)) {}

    /// The start-up's search.
    Outcome findAtStartup();

    /// Runs Becky discovery and takes what it found as the accounts. When
    /// the user cancels the own-address question, the own address becomes
    /// `addressOnCancel` (by default, none).
    void rediscover(const std::optional<QString> &addressOnCancel = std::nullopt);

private:
    bool found() const;
    bool offerManualSetup();
    void confirmStoredSetup();

    Context c_;
};
