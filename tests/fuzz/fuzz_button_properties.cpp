// SPDX-License-Identifier: GPL-3.0-or-later
// The button library's reading of a stored property set: any set a stored window may hold, read by a
// button of the library loaded as the program loads it, then painted and written back.
#include "controls/KeyedPropertyBag.h"

#include <brizel/BrizelFactory.h>
#include <brizel/BrizelLoader.h>
#include <brizel/IBrizel.h>

#include <QApplication>
#include <QLoggingCategory>
#include <QWidget>
#include <cstdlib>
#include <memory>

namespace {
brizel::BrizelFactory* factory = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("brizel.properties=false"));
    // Never destroyed: torn down at exit, after the plugins it loaded, it would crash.
    new QApplication(*argc, *argv);
    factory = brizel::loadBrizelFactory(QStringLiteral(BRIZEL_LIBRARY));
    if (!factory)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const KeyedPropertyBag stored = KeyedPropertyBag::fromText(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const std::unique_ptr<QWidget> widget(factory->createControl(nullptr));
    auto* button = qobject_cast<brizel::IBrizel*>(widget.get());
    if (!button)
        std::abort();
    widget->resize(49, 33);
    button->ReadProperties(stored);
    widget->grab();
    KeyedPropertyBag written;
    button->WriteProperties(written);
    return 0;
}
