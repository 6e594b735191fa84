#include "core/compose/EditedMail.h"

void EditedMail::setLimitFlag(LimitFlag flag, bool on)
{
    if (limitFlags_.has(flag) == on)
        return;
    limitFlags_.set(flag, on);
    emit limitFlagChanged(flag, on);
}

void EditedMail::setImode(bool on)
{
    if (imode_ == on || (on && imodeLockedOff_))
        return;
    imode_ = on;
    emit imodeChanged(on);
}

void EditedMail::lockImodeOff()
{
    setImode(false);
    imodeLockedOff_ = true;
}

void EditedMail::setAutoSubstitute(bool on)
{
    if (autoSubstitute_ == on)
        return;
    autoSubstitute_ = on;
    emit autoSubstituteChanged(on);
}

void EditedMail::setVerticalMode(bool on)
{
    if (verticalMode_ == on)
        return;
    verticalMode_ = on;
    emit verticalModeChanged(on);
}

void EditedMail::setSignatureOn(bool on)
{
    if (signatureOn_ == on)
        return;
    signatureOn_ = on;
    emit signatureOnChanged(on);
}
