#pragma once

#include <QString>

/// What the program keeps about the mail being edited beyond its fields.
struct EditedMail {
    /// The body was changed since it was loaded, sent or started anew.
    bool bodyModified = false;
    /// The mail is written and sent in vertical layout.
    bool verticalMode = false;
    /// The signature goes under the body when the mail is sent.
    bool signatureOn = false;
    /// The stored signature; the two characters backslash and "n" stand for
    /// a line break.
    QString signatureText;
    /// Pictographs put into the body, for the send command's warning.
    QString usedPictographs;
    /// The accepted body limit; 0 means none.
    int bodyLimit = 0;
};
