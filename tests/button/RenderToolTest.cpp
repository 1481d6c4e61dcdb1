// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode;
    QString errors;
};

ToolRun render(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(RENDER_TOOL), arguments);
    if (!process.waitForFinished(30000))
        return {-100, QStringLiteral("did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(RenderToolTest, RefusesBadCommandLinesWithAMessage) {
    QTemporaryDir folder;
    const QString props = folder.filePath(QStringLiteral("b.props"));
    QFile file(props);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BTYPE=1\n");
    file.close();
    const QString out = folder.filePath(QStringLiteral("b.png"));
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"--colour", "red"}, "Unknown option 'colour'"},
        {{"--props", props, "--size", "40x24", "--look", "sideways", "--out", out}, "--look must be"},
        {{"--props", props, "--size", "40", "--out", out}, "--size must be"},
        {{"--props", props, "--size", "40x0", "--out", out}, "--size must be"},
        {{"--size", "40x24", "--out", out}, "required"},
        {{"--props", folder.filePath("missing.props"), "--size", "40x24", "--out", out}, "cannot read"},
        {{"--props", props, "--size", "40x24", "--out", out, "--library", "/no/libbrizel.so"}, "cannot load"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ToolRun run = render(c.arguments);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.errors.contains(QLatin1String(c.message))) << run.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(RenderToolTest, WritesTheButtonWithItsShape) {
    QTemporaryDir folder;
    const QString props = folder.filePath(QStringLiteral("b.props"));
    QFile file(props);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("btype=1\ncoltype=3\ntx=\n");
    file.close();
    const QString out = folder.filePath(QStringLiteral("b.png"));
    struct Case {
        const char* look;
        QRgb leftInner; // (1,10): highlight up, shadow down
    };
    const Case cases[] = {
        {"up", qRgb(255, 255, 255)}, {"down", qRgb(128, 128, 128)}, {"disabled", qRgb(255, 255, 255)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look);
        const ToolRun run = render({"--props", props, "--size", "40x24", "--look", c.look, "--out", out});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const QImage image(out);
        ASSERT_EQ(image.size(), QSize(40, 24));
        EXPECT_EQ(image.pixel(0, 10), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(1, 10), c.leftInner);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // the cut corner shows whatever lies behind
        EXPECT_EQ(qAlpha(image.pixel(1, 0)), 255);
    }
}
