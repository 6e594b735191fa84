#pragma once

#include "gui/compose/ComposeHost.h"
#include "gui/handoff/HandoffHost.h"

#include <QList>

/// A compose host that counts what it was asked.
class RecordingHost : public ComposeHost {
public:
    void toggleMailList() override { ++mailListToggles; }
    bool hasEnded() const override { return false; }
    void send() override { ++sends; }
    void insertPictograph(int slot) override { pictographs.append(slot); }
    void substituteKeywords() override { ++substitutions; }

    int mailListToggles = 0;
    int sends = 0;
    QList<int> pictographs;
    int substitutions = 0;
};

/// A hand-off host that counts what it was asked; it lets every text go.
class RecordingHandoffHost : public HandoffHost {
public:
    void rediscoverBecky() override { ++rediscoveries; }
    void closeProgram() override { ++closes; }
    void recipientRegistered() override { ++registrations; }
    bool offerSendableText(bool) override { return true; } // the window's offer is tested with the window

    int rediscoveries = 0;
    int closes = 0;
    int registrations = 0;
};
