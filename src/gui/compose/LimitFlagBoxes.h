#pragma once

#include "core/compose/LimitFlag.h"

#include <QCheckBox>

#include <array>
#include <cstddef>

/// The limit panel's check boxes, one per limit flag.
class LimitFlagBoxes {
public:
    QCheckBox *&operator[](LimitFlag flag) { return boxes_[static_cast<std::size_t>(flag)]; }
    QCheckBox *operator[](LimitFlag flag) const { return boxes_[static_cast<std::size_t>(flag)]; }

    /// True when the flag's box is checked.
    bool isOn(LimitFlag flag) const { return (*this)[flag]->isChecked(); }

private:
    std::array<QCheckBox *, allLimitFlags.size()> boxes_{};
};
