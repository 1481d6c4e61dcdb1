#include "platform/ProgramFolder.h"
#include "errors/ErrPtnr.h"
#include "platform/DrawingFile.h"
#include "platform/DrawingsFolder.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {
struct FolderCase {
    const char* name;
    QFileDevice::Permissions programPermissions;
    bool besideTheProgram;
};

class WritableFolder : public testing::TestWithParam<FolderCase> {};

// Run as root too: the permission bits decide, so a read-only program folder counts as one for root.
TEST_P(WritableFolder, DrawingsAndErrorFilesGoWhereTheProgramMayWrite) {
    TempHome home;
    const QString program = home.programFolder();
    const QString data = home.dataHome() + QStringLiteral("/Pinsola");
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

INSTANTIATE_TEST_SUITE_P(ProgramFolder, WritableFolder,
                         testing::Values(FolderCase{"Portable", kReadExecute | QFileDevice::WriteOwner, true},
                                         FolderCase{"SystemWide", kReadExecute, false}),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
