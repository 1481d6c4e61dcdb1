// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>

class QWidget;

namespace brizel {

// The class factory the library hands out for its one control class.
class BrizelFactory {
public:
    virtual ~BrizelFactory() = default;
    // A new control, owned by `parent`; nullptr when the library cannot make one.
    virtual QWidget* createControl(QWidget* parent) = 0;
};

} // namespace brizel

#define BrizelFactory_iid "BrizelLib.Brizel"
Q_DECLARE_INTERFACE(brizel::BrizelFactory, BrizelFactory_iid)
