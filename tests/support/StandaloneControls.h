#pragma once

#include "gui/compose/ComposeControls.h"
#include "gui/compose/ComposeHost.h"
#include "support/Fakes.h"

#include <QList>
#include <QString>

class QWidget;

/// A compose host that counts what it was asked.
class RecordingHost : public ComposeHost {
public:
    void layOut() override { ++layouts; }
    bool hasEnded() const override { return false; }
    void send() override { ++sends; }
    void insertPictograph(int slot) override { pictographs.append(slot); }
    void substituteKeywords() override { ++substitutions; }

    int layouts = 0;
    int sends = 0;
    QList<int> pictographs;
    int substitutions = 0;
};

/// Every control the compose commands need, parented to `window`: the
/// preview panel hidden, the model list holding P501i.
ComposeControls makeComposeControls(QWidget *window);
