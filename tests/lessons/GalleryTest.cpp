// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewFixture.h"

#include "core/Allgemein.h"
#include "draw/frmDraw.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTest>
#include <QtEndian>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

// The drawing window with its canvas and the lesson viewer it shows; drawings are opened through the
// viewer's file panel as a child would: pick a name, then the OK button.
class GalleryTest : public PreviewTest {
protected:
    void openDrawingWindow() {
        Allgemein::PenColor = 0x0000C0;
        Allgemein::PenWidth = 5;
        Allgemein::ColorWinOpen = 0;
        drawing = frmDraw::instance();
        drawing->setFixedSize(800, 600);
        drawing->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(drawing));
        open();
        // At full size, as the pictures below are measured, also where the screen is too small for it.
        Allgemein::PreviewSize = -1;
        window->ResizePreview();
        window->showFilePanel();
        // The list as the child sees it before picking: a file changed after this must not be in a
        // listing still under way.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !part<FileListBox>(window, "filPics")->isListing(); }));
    }
    void pick(const QString& name) {
        FileListBox* list = part<FileListBox>(window, "filPics");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !list->isListing(); }));
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        const QRect place = list->visualItemRect(found[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    }
    QString pics() const { return home.programFolder() + QStringLiteral("/pics/"); }

    frmDraw* drawing = nullptr;
};

// The canvas of the 800 x 600 window is 559 x 419 pixels: a 640 x 480 drawing's quadrants meet at
// (279.5, 209.5) once stretched, not at (320, 240).
TEST_F(GalleryTest, ADrawingIsStretchedOverTheWholeCanvas) {
    QImage quadrants(640, 480, QImage::Format_RGB32);
    quadrants.fill(Qt::red);
    QPainter(&quadrants).fillRect(320, 0, 320, 240, Qt::green);
    QPainter(&quadrants).fillRect(0, 240, 320, 240, Qt::blue);
    QPainter(&quadrants).fillRect(320, 240, 320, 240, Qt::yellow);
    saveDrawing(QStringLiteral("Mohn.bmp"), quadrants);
    openDrawingWindow();
    ASSERT_EQ(part<DrawingCanvas>(drawing, "picBild")->size(), QSize(559, 419));
    pick(QStringLiteral("Mohn.bmp"));
    EXPECT_EQ(state<QString>(window, "chosenDrawing"), pics() + QStringLiteral("Mohn.bmp"));
    EXPECT_EQ(shown().pixel(300, 225), qRgb(255, 255, 0)) << "shown stretched in the preview";
    click(Command::TakeDrawing);
    const QImage canvas = part<DrawingCanvas>(drawing, "picBild")->Image();
    const struct {
        QPoint at;
        QRgb colour;
    } expected[] = {{{260, 195}, qRgb(255, 0, 0)}, {{300, 195}, qRgb(0, 255, 0)},
                    {{260, 225}, qRgb(0, 0, 255)}, {{300, 225}, qRgb(255, 255, 0)},
                    {{0, 0}, qRgb(255, 0, 0)},     {{558, 418}, qRgb(255, 255, 0)}};
    for (const auto& point : expected)
        EXPECT_EQ(canvas.pixel(point.at), point.colour) << point.at.x() << "," << point.at.y();
    EXPECT_EQ(script->count(), 0);
}

// A scanner's or a screenshot tool's bitmap stores its rows top down (a negative height): 4 x 2 pixels,
// the top row red, the bottom row blue.
TEST_F(GalleryTest, ATopDownBitmapFromAnotherProgramOpensTheRightWayUp) {
    // The file header, then the information header: 40 bytes, 4 wide, -2 high, one plane, 24 bits.
    QByteArray file =
        QByteArray::fromHex("424d4e000000000000003600000028000000"
                            "04000000feffffff010018000000000018000000130b0000130b00000000000000000000");
    file += QByteArray::fromHex("0000ff").repeated(4) + QByteArray::fromHex("ff0000").repeated(4);
    QFile scan(pics() + QStringLiteral("Scan.bmp"));
    ASSERT_TRUE(scan.open(QIODevice::WriteOnly));
    scan.write(file);
    scan.close();
    openDrawingWindow();
    pick(QStringLiteral("Scan.bmp"));
    click(Command::TakeDrawing);
    const QImage canvas = part<DrawingCanvas>(drawing, "picBild")->Image();
    EXPECT_EQ(canvas.pixel(100, 10), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(100, 400), qRgb(0, 0, 255));
    EXPECT_EQ(script->count(), 0);
}

QByteArray bitmapOf(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

QByteArray wholeBitmap() {
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    return bitmapOf(picture);
}

QByteArray claimingHugeSize() {
    QByteArray bytes = bitmapOf(QImage(4, 4, QImage::Format_RGB32));
    qToLittleEndian<int32_t>(100000, bytes.data() + 18);
    qToLittleEndian<int32_t>(100000, bytes.data() + 22);
    return bytes;
}

// A 16 x 4 RLE8 bitmap whose runs write 255 pixels each, far past its rows.
QByteArray overrunningRle8() {
    QByteArray runs;
    for (int i = 0; i < 8; ++i)
        runs.append(char(255)).append(char(7));
    runs.append(char(0)).append(char(1));
    QByteArray bytes(14 + 40 + 256 * 4, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<uint32_t>(static_cast<uint32_t>(bytes.size() + runs.size()), bytes.data() + 2);
    qToLittleEndian<uint32_t>(static_cast<uint32_t>(bytes.size()), bytes.data() + 10);
    qToLittleEndian<uint32_t>(40, bytes.data() + 14);
    qToLittleEndian<int32_t>(16, bytes.data() + 18);
    qToLittleEndian<int32_t>(4, bytes.data() + 22);
    qToLittleEndian<uint16_t>(1, bytes.data() + 26);
    qToLittleEndian<uint16_t>(8, bytes.data() + 28);
    qToLittleEndian<uint32_t>(1, bytes.data() + 30);
    qToLittleEndian<uint32_t>(static_cast<uint32_t>(runs.size()), bytes.data() + 34);
    return bytes + runs;
}

// The peak memory of this process in KiB, counted from the last reset.
long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

#ifdef Q_OS_LINUX
// Root reads every file whatever its mode; for an unreadable file the test thread gives up that power
// while it runs.
class WithoutReadOverride {
public:
    WithoutReadOverride() {
        m_saved_ok = syscall(SYS_capget, &m_header, m_saved) == 0;
        if (!m_saved_ok)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, reduced);
    }
    ~WithoutReadOverride() {
        if (m_saved_ok)
            syscall(SYS_capset, &m_header, m_saved);
    }
    WithoutReadOverride(const WithoutReadOverride&) = delete;
    WithoutReadOverride& operator=(const WithoutReadOverride&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_saved_ok = false;
};
#else
struct WithoutReadOverride {};
#endif

struct BadFileCase {
    const char* name;
    const char* file;
    QByteArray (*content)();
    QFile::Permissions permissions;
    bool vanishes;
    // The error the opening reports; a vanished file is only noted when its name is picked.
    const char* number;
    const char* reason;
};

void PrintTo(const BadFileCase& c, std::ostream* os) {
    *os << c.name;
}

class BadFile : public GalleryTest, public ::testing::WithParamInterface<BadFileCase> {};

// Each damaged, hostile or unreadable file gives the error window with a clear reason, first in the preview
// and again on the canvas, and leaves the preview and the canvas as they were, in little memory.
TEST_P(BadFile, GivesTheErrorWindowAndLeavesPreviewAndCanvasAlone) {
    const BadFileCase& c = GetParam();
    QFile file(pics() + QString::fromLatin1(c.file));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.content());
    file.close();
    ASSERT_TRUE(file.setPermissions(c.permissions));
    openDrawingWindow();
    part<DrawingCanvas>(drawing, "picBild")->Line(QPointF(20, 20), QPointF(200, 150));
    const QImage canvasBefore = part<DrawingCanvas>(drawing, "picBild")->Image();
    const QImage previewBefore = shown();
    resetPeakMemory();
    {
        [[maybe_unused]] const WithoutReadOverride unprivileged;
        if (c.permissions == QFile::Permissions()) {
            ASSERT_FALSE(QFile(file.fileName()).open(QIODevice::ReadOnly)) << "the file must be unreadable";
        }
        if (c.vanishes) {
            ASSERT_TRUE(QFile::remove(file.fileName()));
        }
        pick(QString::fromLatin1(c.file));
        EXPECT_EQ(shown(), previewBefore);
        ASSERT_EQ(script->count(), c.vanishes ? 0 : 1);
        click(Command::TakeDrawing);
    }
    const long peak = peakMemoryKiB();
    RecordProperty("peak_memory_kib", static_cast<int>(peak));
    EXPECT_GT(peak, 0) << "the peak must be measured";
    EXPECT_LT(peak, 300 * 1024);
    EXPECT_EQ(part<DrawingCanvas>(drawing, "picBild")->Image(), canvasBefore);
    EXPECT_EQ(state<QString>(window, "chosenDrawing"), file.fileName());
    ASSERT_EQ(script->count(), c.vanishes ? 1 : 2);
    for (const ErrorScript::Shown& report : script->shown()) {
        EXPECT_TRUE(report.number.startsWith(QString::fromLatin1(c.number) + " ("))
            << report.number.toStdString();
        EXPECT_TRUE(report.number.contains(QString::fromUtf8(c.reason))) << report.number.toStdString();
        EXPECT_EQ(report.module, QStringLiteral("frmPreview"));
    }
    EXPECT_EQ(script->shown().back().procedure, QStringLiteral("bzlButton_Click"));
    if (!c.vanishes) {
        EXPECT_EQ(script->shown().front().procedure, QStringLiteral("filPics_Click"));
    }
    EXPECT_TRUE(part<PictureBox>(window, "picPanel", 0)->isVisible())
        << "the OK button still goes back to the steps";
}

const QFile::Permissions Readable = QFile::ReadOwner | QFile::WriteOwner;

INSTANTIATE_TEST_SUITE_P(
    Table, BadFile,
    ::testing::Values(
        BadFileCase{"truncated", "Halb.bmp", [] { return wholeBitmap().left(wholeBitmap().size() / 2); },
                    Readable, false, "481", "the file ends before its picture data (Halb.bmp)"},
        BadFileCase{"huge_header", "Riese.bmp", claimingHugeSize, Readable, false, "481",
                    "too large (100000 × 100000 pixels)"},
        BadFileCase{"rle8_overrun", "Lauf.bmp", overrunningRle8, Readable, false, "481",
                    "runs reach beyond the picture"},
        // Found by fuzzing: a GIF whose 1 × 1 image lies on a screen 32784 pixels wide, which the size its
        // reader reports does not tell.
        BadFileCase{"gif_screen_wider_than_its_image", "Breit.bmp",
                    [] {
                        // "GIF89a", a screen of 32784 × 2 with two colours, an image of 1 × 1, the end.
                        return QByteArray::fromHex("474946383961"
                                                   "10800200800000ffffff000000"
                                                   "2c000000000100010000"
                                                   "0202440100"
                                                   "3b");
                    },
                    Readable, false, "481", "too large (32784 × 2 pixels)"},
        BadFileCase{"text_named_bmp", "Notiz.BMP", [] { return QByteArray("Kein Bild, nur Text.\n"); },
                    Readable, false, "481", "it is not a picture"},
        BadFileCase{"zero_bytes", "Leer.bmp", [] { return QByteArray(); }, Readable, false, "481",
                    "the file is empty"},
        BadFileCase{"unreadable", "Geheim.bmp", wholeBitmap, QFile::Permissions(), false, "70",
                    "cannot be read (Geheim.bmp)"},
        BadFileCase{"vanished", "Weg.bmp", wholeBitmap, Readable, true, "53", "File not found"}),
    [](const testing::TestParamInfo<BadFileCase>& row) { return std::string(row.param.name); });

} // namespace
