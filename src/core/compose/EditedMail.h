#pragma once

#include "core/compose/LimitFlag.h"

#include <QObject>
#include <QString>

/// The mail being edited and the options it is edited under. Check boxes
/// and menu entries show the switches and change them through the setters;
/// a setter signals a change (never a repeat of the same value), which the
/// commands answer the way they answer the user's click.
class EditedMail : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    LimitFlags limitFlags() const { return limitFlags_; }
    bool hasLimitFlag(LimitFlag flag) const { return limitFlags_.has(flag); }
    void setLimitFlag(LimitFlag flag, bool on);

    /// The i-mode setting: the body is held to the phone's limit and the
    /// Becky functions work.
    bool imode() const { return imode_; }
    /// Switching on does nothing once the i-mode functions are locked off.
    void setImode(bool on);
    /// Switches the i-mode setting off for the rest of the run (Becky was
    /// not found).
    void lockImodeOff();
    bool imodeLockedOff() const { return imodeLockedOff_; }

    /// Keywords become pictographs when Enter is released in the body.
    bool autoSubstitute() const { return autoSubstitute_; }
    void setAutoSubstitute(bool on);

    /// The mail is written and sent in vertical layout.
    bool verticalMode() const { return verticalMode_; }
    void setVerticalMode(bool on);

    /// The signature goes under the body when the mail is sent.
    bool signatureOn() const { return signatureOn_; }
    void setSignatureOn(bool on);

    /// The body was changed since it was loaded, sent or started anew.
    bool bodyModified = false;
    /// The stored signature; the two characters backslash and "n" stand for
    /// a line break.
    QString signatureText;
    /// Pictographs put into the body, for the send command's warning.
    QString usedPictographs;
    /// The accepted body limit; 0 means none.
    int bodyLimit = 0;

signals:
    void limitFlagChanged(LimitFlag flag, bool on);
    void imodeChanged(bool on);
    void autoSubstituteChanged(bool on);
    void verticalModeChanged(bool on);
    void signatureOnChanged(bool on);

private:
    LimitFlags limitFlags_;
    bool imode_ = false;
    bool imodeLockedOff_ = false;
    bool autoSubstitute_ = false;
    bool verticalMode_ = false;
    bool signatureOn_ = false;
};
