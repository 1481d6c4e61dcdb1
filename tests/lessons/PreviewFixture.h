// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/frmPreview.h"
#include "support/ErrorScript.h"
#include "support/Parts.h"
#include "support/TempHome.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

// The lesson viewer loaded and shown in a fresh home, at full size without grid and without sound, with
// the error window answered by a script.
class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads and shows the viewer.
    void open();
    using Command = frmPreview::Command;

    // Clicks the button of `command` with the mouse.
    void click(Command command);
    bool enabled(Command command) const;
    // What the preview shows on the screen.
    QImage shown() const;
    // Band `band` of lesson `lesson`, cut from the embedded bitmap.
    static QImage band(int lesson, int band);
    // Writes a drawing into the temporary drawings folder.
    void saveDrawing(const QString& name, const QImage& picture) const;

    TempHome home;
    std::unique_ptr<ErrorScript> script = std::make_unique<ErrorScript>();
    frmPreview* window = nullptr;
};
