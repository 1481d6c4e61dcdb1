// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "base/Addresses.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using brizel::frmAbout;

namespace {

class frmAboutTest : public ::testing::Test {
protected:
    void SetUp() override { window = frmAbout::showAbout(); }
    void TearDown() override { delete window.data(); }

    QLabel* label(const char* name) { return window->findChild<QLabel*>(QLatin1String(name)); }
    QColor colorOf(const char* name) { return label(name)->palette().color(QPalette::WindowText); }

    QPointer<frmAbout> window;
    QStringList opened;
    decltype(frmAbout::openSeam)::Scope opening = frmAbout::openSeam.replace([this](const QString& target) {
        opened.append(target);
        return true;
    });
};

TEST_F(frmAboutTest, ShowsEveryControlWithoutWaiting) {
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("About Brizel"));
    struct {
        const char* name;
        const char* text;
    } texts[] = {{"lblTitle", "Brizel"},
                 {"Label3", "ActiveX Component"},
                 {"Label6", "Sales:"},
                 {"Label5", "Technical Support:"},
                 {"lblLicence", "Free software: GPL-3.0-or-later"}};
    for (const auto& t : texts) {
        ASSERT_NE(label(t.name), nullptr) << t.name;
        EXPECT_EQ(label(t.name)->text(), QString::fromUtf8(t.text)) << t.name;
    }
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(label("lblVersion")->text())
                    .hasMatch());
    EXPECT_FALSE(label("lblDescription")->text().isEmpty());
    ASSERT_NE(label("picIcon"), nullptr);
    EXPECT_EQ(label("picIcon")->pixmap().size(), QSize(48, 48));
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
}

TEST_F(frmAboutTest, LinksOpenThroughTheShell) {
    struct {
        const char* name;
        QString target;
    } links[] = {{"lblGoURL", QString::fromLatin1(Addresses::WebPage)},
                 {"lblSendSales", QStringLiteral("mailto:") + QString::fromLatin1(Addresses::SalesMail)},
                 {"lblSendSupport", QStringLiteral("mailto:") + QString::fromLatin1(Addresses::SupportMail)}};
    for (const auto& link : links) {
        opened.clear();
        QTest::mouseClick(label(link.name), Qt::LeftButton);
        EXPECT_EQ(opened, QStringList{link.target}) << link.name;
    }
}

TEST_F(frmAboutTest, LinkUnderThePointerLightsUpUntilThePointerIsOverTheBackground) {
    const QColor normal(0, 0, 192);
    const QColor hover(0, 0, 255);
    for (const char* name : {"lblGoURL", "lblSendSales", "lblSendSupport"})
        EXPECT_EQ(colorOf(name), normal) << name;

    QMouseEvent overLink(QEvent::MouseMove, QPointF(3, 3), label("lblSendSales")->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label("lblSendSales"), &overLink);
    EXPECT_EQ(colorOf("lblSendSales"), hover);
    EXPECT_EQ(colorOf("lblGoURL"), normal);

    QMouseEvent overBackground(QEvent::MouseMove, QPointF(1, 1), window->mapToGlobal(QPointF(1, 1)),
                               Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &overBackground);
    for (const char* name : {"lblGoURL", "lblSendSales", "lblSendSupport"})
        EXPECT_EQ(colorOf(name), normal) << name;
}

class frmAboutClosing : public frmAboutTest, public ::testing::WithParamInterface<bool> {};

TEST_P(frmAboutClosing, OkOrEscapeClosesAndUnloadsTheWindow) {
    if (GetParam())
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

INSTANTIATE_TEST_SUITE_P(Table, frmAboutClosing, ::testing::Values(true, false),
                         [](const auto& row) { return std::string(row.param ? "Ok" : "Escape"); });

} // namespace
