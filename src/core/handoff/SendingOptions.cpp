#include "core/handoff/SendingOptions.h"

void SendingOptions::set(Option option, bool on)
{
    bool &value = on_[static_cast<int>(option)];
    if (value == on)
        return;
    value = on;
    emit optionChanged(option, on);
}

void SendingOptions::setAccountChangeMode(AccountChangeMode mode)
{
    if (mode == accountChangeMode_)
        return;
    accountChangeMode_ = mode;
    emit accountChangeModeChanged(mode);
}
