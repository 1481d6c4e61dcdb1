// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <brizel/BrizelFactory.h>

#include <QObject>

class BrizelPlugin : public QObject, public brizel::BrizelFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrizelFactory_iid)
    Q_INTERFACES(brizel::BrizelFactory)

public:
    QWidget* createControl(QWidget* parent) override;
};
