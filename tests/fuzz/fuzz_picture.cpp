// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery's picture reader: any bytes a file in the drawings folder may hold.
#include "base/VbError.h"
#include "formats/PictureFile.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every damaged picture has the decoder say so; the fuzzer's own report is what counts.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    // Never destroyed: torn down at exit, after the plugins it loaded, it would crash.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage picture = PictureFile::decode(bytes, QStringLiteral("fuzz.bmp"));
        // What is accepted is a picture the canvas can take.
        if (picture.isNull() || picture.width() > PictureFile::MaxSide ||
            picture.height() > PictureFile::MaxSide)
            std::abort();
    } catch (const VbError&) {
    }
    return 0;
}
