// SPDX-License-Identifier: GPL-3.0-or-later
// The stored-window design reader: any text a design may hold, read the way the windows read it.
#include "base/VbError.h"
#include "controls/StoredForm.h"

#include <QGuiApplication>
#include <cstdlib>

namespace {
void readControl(const KeyedPropertyBag& bag) {
    const auto attempt = [](auto read) {
        try {
            read();
        } catch (const VbError&) {
        }
    };
    for (const QString& key : bag.keys()) {
        attempt([&] { StoredForm::number(bag, key); });
        attempt([&] { StoredForm::color(bag, key, Qt::white); });
    }
    attempt([&] { StoredForm::twipsRect(bag); });
    attempt([&] { StoredForm::font(bag, QFont()); });
    // Written out and read again, a property set keeps every key and value.
    const QString text = bag.toText();
    if (KeyedPropertyBag::fromText(text).toText() != text)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down at exit, after the plugins it loaded, it would crash.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const StoredForm form = StoredForm::fromText(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QString& name : form.controls())
        readControl(form.control(name));
    return 0;
}
