// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"
#include "controls/FileListBox.h"
#include "draw/DrawingFile.h"
#include "errors/ErrPtnr.h"
#include "formats/PictureFile.h"
#include "lessons/DrawingsFolder.h"
#include "platform/NativeName.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <cstdio>

#include <gtest/gtest.h>

namespace {
struct FolderCase {
    const char* name;
    QFileDevice::Permissions programPermissions;
    bool installed; // the setup program's mark lies in the program folder
    bool besideTheProgram;
};

class WritableFolder : public testing::TestWithParam<FolderCase> {};

// Run as root too: the permission bits decide, so a read-only program folder counts as one for root.
TEST_P(WritableFolder, DrawingsAndErrorFilesGoWhereTheProgramMayWrite) {
    TempHome home;
    const QString program = home.programFolder();
    const QString data = home.dataHome() + QStringLiteral("/Pinsola");
    if (GetParam().installed) {
        QFile mark(QDir(program).filePath(QLatin1String(ProgramFolder::InstalledMark)));
        ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::setPermissions(program, GetParam().programPermissions));
    const QString expected = GetParam().besideTheProgram ? program : data;

    EXPECT_EQ(ProgramFolder::writablePath(), expected);
    EXPECT_EQ(DrawingsFolder::path(), expected + QStringLiteral("/pics"));
    EXPECT_EQ(QFileInfo(ErrPtnr::instance().protocolLogPath()).path(), expected);
    EXPECT_EQ(QFileInfo(ErrPtnr::instance().protocolFilePath()).path(), expected);

    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    DrawingFile::save(picture, QStringLiteral("flower.bmp"));
    EXPECT_TRUE(QFileInfo::exists(expected + QStringLiteral("/pics/flower.bmp")));
    EXPECT_EQ(QFileInfo::exists(data), !GetParam().besideTheProgram);
    // Language files, help and the button library are still read from the program folder.
    EXPECT_EQ(ProgramFolder::path(), program);

    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

constexpr auto kReadExecute = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                              QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

INSTANTIATE_TEST_SUITE_P(
    ProgramFolder, WritableFolder,
    testing::Values(FolderCase{"Portable", kReadExecute | QFileDevice::WriteOwner, false, true},
                    FolderCase{"SystemWide", kReadExecute, false, false},
                    FolderCase{"InstalledForTheUser", kReadExecute | QFileDevice::WriteOwner, true, false}),
    [](const auto& row) { return std::string(row.param.name); });

// A drawing copied in under a name that is not UTF-8 is listed by the gallery, shown readable, and opens.
TEST(DrawingsFolder, ListsAndOpensADrawingWhoseNameIsNotUtf8) {
    TempHome home;
    const QString pics = home.programFolder() + QStringLiteral("/pics");
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    DrawingFile::save(picture, QStringLiteral("tulip.bmp"));
    DrawingFile::save(picture, QStringLiteral("daisy.bmp"));
    const QByteArray folder = QFile::encodeName(pics);
    ASSERT_EQ(std::rename((folder + "/tulip.bmp").constData(), (folder + "/rose\xff\xc3.bmp").constData()),
              0);
    FileListBox list;
    list.setPattern(QStringLiteral("*.bmp"));
    list.setPath(pics);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list.isListing(); }));
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("rose\uFFFD\uFFFD.bmp"));
    EXPECT_EQ(PictureFile::load(pics + QLatin1Char('/') + list.List(1)).size(), QSize(4, 3));
}

class NativeNames : public testing::TestWithParam<const char*> {};

TEST_P(NativeNames, SurviveTheWayThroughTheProgram) {
    const QByteArray bytes(GetParam());
    EXPECT_EQ(NativeName::encode(NativeName::decode(bytes)), bytes);
}

// Valid UTF-8, a byte that starts nothing, overlong forms, an encoded surrogate, a cut sequence, a code
// point beyond Unicode.
INSTANTIATE_TEST_SUITE_P(Bytes, NativeNames,
                         testing::Values("blume \xc3\xa4\xe2\x82\xac\xf0\x9f\x8c\xb7.bmp",
                                         "a\x80"
                                         "b",
                                         "\xc0\xaf\xe0\x80\xaf", "\xed\xa0\x80", "end\xe2\x82",
                                         "\xf4\x90\x80\x80"));
} // namespace
