#pragma once

#include <QString>

#include <array>

/// A phone model: a name and a display code CCRR (CC columns, RR rows), as
/// held by the phone model list. The code 809 stands for 0809, 8 × 9.
struct PhoneModel {
    QString name;
    int code = 0;

    /// Characters per screen row: the first two digits of the code written
    /// with at least four digits (809 → 0809 → 8). A negative code has none.
    int columns() const;

    /// Screen rows: the last two digits of the code (809 → 9). A negative
    /// code has none.
    int rows() const;

    /// True when a vertical layout can be built for the screen: the page
    /// separator needs at least 5 columns, a page at least one row.
    bool canLayOutVertically() const;

    friend bool operator==(const PhoneModel &, const PhoneModel &) = default;
};

/// The four built-in models in list order: P501i (809), N501i (1010),
/// F501i (806), D501i (806). The first one also serves when no model is
/// selected.
const std::array<PhoneModel, 4> &builtInPhoneModels();
