// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/frmDraw.h"
#include "support/ErrorScript.h"
#include "support/Parts.h"
#include "support/TempHome.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

// A loaded and shown drawing window in a fresh home, with the error window answered by a script.
class DrawTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads and shows the window with this client size in pixels.
    void open(QSize client = QSize(800, 600));

    // Counts the pixels of `image` inside `area` that have exactly `color`.
    static int count(const QImage& image, const QRect& area, QRgb color);

    TempHome home;
    std::unique_ptr<ErrorScript> script = std::make_unique<ErrorScript>();
    frmDraw* window = nullptr;
    DrawingCanvas* canvas = nullptr;
};
