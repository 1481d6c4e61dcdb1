// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include <QLibrary>
#include <QTemporaryDir>
#include <QVariant>

using brizel::rgb;

namespace {

struct DefaultCase {
    const char* property;
    QVariant placedNew; // InitProperties
    QVariant loaded;    // ReadProperties of an empty bag
};

class EmptyBag : public brizel::PropertyBag {
public:
    QVariant readProperty(const QString&, const QVariant& fallback) const override { return fallback; }
    void writeProperty(const QString&, const QVariant&, const QVariant&) override {}
};

} // namespace

TEST_F(BrizelTest, NewAndReadDefaultsDiffer) {
    const DefaultCase cases[] = {
        {"ButtonType", 3, 2},
        {"Caption", QStringLiteral("Brizel1"), QString()},
        {"BackColor", sys::Face, sys::Face},
        {"BackOver", sys::Face, sys::Face},
        {"ForeColor", sys::Text, sys::Text},
        {"ForeOver", sys::Text, sys::Text},
        {"MaskColor", rgb(192, 192, 192), rgb(192, 192, 192)},
        {"Enabled", -1, -1},
        {"ColorScheme", 1, 1},
        {"ShowFocusRect", -1, -1},
        {"MousePointer", 0, 0},
        {"SoftBevel", 0, 0},
        {"PicturePosition", 0, 0},
        {"UseMaskColor", -1, -1},
        {"UseGreyscale", 0, 0},
        {"SpecialEffect", 0, 0},
        {"CheckBoxBehaviour", 0, 0},
        {"Value", 0, 0},
    };
    brizel::IBrizel* placed = createUnplaced();
    placed->InitProperties();
    brizel::IBrizel* loaded = createUnplaced();
    loaded->ReadProperties(EmptyBag());
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(c.property);
        EXPECT_EQ(widgetOf(placed)->property(c.property).toLongLong(), c.placedNew.toLongLong());
        EXPECT_EQ(widgetOf(placed)->property(c.property).toString(), c.placedNew.toString());
        EXPECT_EQ(widgetOf(loaded)->property(c.property).toString(), c.loaded.toString());
    }
    EXPECT_EQ(placed->Font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(placed->FontSize(), 8);
}

TEST_F(BrizelTest, DesignTimeColourSetsTheHoverColourToo) {
    struct Case {
        bool userMode;
        uint32_t expectedBackOver;
        uint32_t expectedForeOver;
    };
    const Case cases[] = {{false, rgb(1, 2, 3), rgb(4, 5, 6)}, {true, sys::Face, sys::Text}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.userMode ? "run time" : "design time");
        container.userMode = c.userMode;
        brizel::IBrizel* control = create();
        control->setBackColor(rgb(1, 2, 3));
        control->setForeColor(rgb(4, 5, 6));
        EXPECT_EQ(control->BackOver(), c.expectedBackOver);
        EXPECT_EQ(control->ForeOver(), c.expectedForeOver);
    }
}

TEST_F(BrizelTest, SettersMarkAndRepaintAsDocumented) {
    struct Case {
        const char* name;
        std::function<void(brizel::IBrizel*)> change;
        int marks;
        int paints;
    };
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const Case cases[] = {
        {"BackColor", [](auto* c) { c->setBackColor(rgb(9, 9, 9)); }, 1, 1},
        {"BackOver", [](auto* c) { c->setBackOver(rgb(9, 9, 9)); }, 1, 1},
        {"ForeOver", [](auto* c) { c->setForeOver(rgb(9, 9, 9)); }, 1, 1},
        {"MaskColor", [](auto* c) { c->setMaskColor(rgb(9, 9, 9)); }, 1, 1},
        {"SoftBevel", [](auto* c) { c->setSoftBevel(-1); }, 1, 1},
        {"ColorScheme", [](auto* c) { c->setColorScheme(2); }, 1, 1},
        {"ButtonType", [](auto* c) { c->setButtonType(int32_t(brizel::ButtonTypes::SimpleFlat)); }, 1, 1},
        {"Caption", [](auto* c) { c->setCaption(QStringLiteral("&Go")); }, 1, 1},
        {"Enabled", [](auto* c) { c->setEnabled(0); }, 1, 1},
        {"Font", [](auto* c) { c->setFont(QFont(QStringLiteral("DejaVu Serif"), 12)); }, 1, 1},
        {"FontBold", [](auto* c) { c->setFontBold(-1); }, 0, 1},
        {"FontSize", [](auto* c) { c->setFontSize(14); }, 0, 1},
        {"FontName", [](auto* c) { c->setFontName(QStringLiteral("DejaVu Serif")); }, 0, 1},
        {"ShowFocusRect", [](auto* c) { c->setShowFocusRect(0); }, 1, 1},
        {"SpecialEffect", [](auto* c) { c->setSpecialEffect(1); }, 1, 1},
        {"CheckBoxBehaviour", [](auto* c) { c->setCheckBoxBehaviour(-1); }, 1, 1},
        {"MousePointer", [](auto* c) { c->setMousePointer(11); }, 1, 0},
        {"PictureNormal", [&](auto* c) { c->setPictureNormal(brizel::Picture::fromImage(picture)); }, 1, 1},
        {"PictureOver at rest", [&](auto* c) { c->setPictureOver(brizel::Picture::fromImage(picture)); }, 1,
         0},
        {"PicturePosition", [](auto* c) { c->setPicturePosition(2); }, 1, 1},
        {"UseMaskColor without picture", [](auto* c) { c->setUseMaskColor(0); }, 1, 0},
        {"UseGreyscale without picture", [](auto* c) { c->setUseGreyscale(-1); }, 1, 0},
        {"Value without toggle", [](auto* c) { c->setValue(-1); }, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brizel::IBrizel* control = create();
        const int marksBefore = container.marks;
        const quint64 paintsBefore = control->PaintCount();
        c.change(control);
        EXPECT_EQ(container.marks - marksBefore, c.marks);
        EXPECT_EQ(int(control->PaintCount() - paintsBefore), c.paints);
    }
}

TEST_F(BrizelTest, GreyscaleRepaintsOnlyWithAPicture) {
    brizel::IBrizel* control = create();
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    control->setPictureNormal(brizel::Picture::fromImage(picture));
    const quint64 before = control->PaintCount();
    control->setUseGreyscale(-1);
    control->setUseMaskColor(0);
    EXPECT_EQ(control->PaintCount() - before, 2u);
}

TEST_F(BrizelTest, DisableRefreshPaintsNothingUntilRefreshPaintsOnce) {
    brizel::IBrizel* control = create();
    const quint64 before = control->PaintCount();
    const QImage face = control->Surface();
    control->DisableRefresh();
    control->setButtonType(int32_t(brizel::ButtonTypes::Windows16Bit));
    control->setColorScheme(3);
    control->setCaption(QStringLiteral("Later"));
    control->setBackColor(rgb(1, 2, 3));
    EXPECT_EQ(control->PaintCount(), before);
    EXPECT_EQ(control->Surface(), face);
    control->Refresh();
    EXPECT_EQ(control->PaintCount(), before + 1);
    EXPECT_EQ(pixel(control, 0, 5), rgbText(rgb(0, 0, 0))); // Windows 16-bit frame, Force Standard
}

TEST_F(BrizelTest, UseWindowsIgnoresTheStoredBackColor) {
    brizel::IBrizel* control = create();
    control->setButtonType(int32_t(brizel::ButtonTypes::Windows32Bit));
    control->setBackColor(rgb(255, 0, 0));
    EXPECT_EQ(control->BackColor(), rgb(255, 0, 0));
    EXPECT_EQ(pixel(control, 20, 12), rgbText(sys::Face));
}

TEST_F(BrizelTest, ValueShowsTheDownLookOnlyAsToggle) {
    brizel::IBrizel* control = create();
    control->setButtonType(int32_t(brizel::ButtonTypes::Windows32Bit));
    control->setValue(-1);
    EXPECT_EQ(pixel(control, 0, 5), rgbText(sys::Highlight)); // up: light edge left
    control->setCheckBoxBehaviour(-1);
    EXPECT_EQ(pixel(control, 0, 5), rgbText(sys::DarkShadow)); // down: dark edge left
}

TEST_F(BrizelTest, JavaMetalTurnsTheFontBoldOnlyAtDesignTime) {
    for (bool userMode : {false, true}) {
        container.userMode = userMode;
        brizel::IBrizel* control = create();
        control->setButtonType(int32_t(brizel::ButtonTypes::JavaMetal));
        EXPECT_EQ(control->FontBold(), userMode ? 0 : -1);
    }
}

TEST_F(BrizelTest, HeightZeroPaintsNothingUntilResized) {
    brizel::IBrizel* control = create(40, 0);
    const quint64 before = control->PaintCount();
    control->setCaption(QStringLiteral("x"));
    control->setButtonType(int32_t(brizel::ButtonTypes::Windows16Bit));
    control->Refresh();
    EXPECT_EQ(control->PaintCount(), before);
    resizeNow(widgetOf(control), QSize(40, 20));
    EXPECT_EQ(control->PaintCount(), before + 1);
}

TEST_F(BrizelTest, AccessKeyIsReportedToTheContainer) {
    brizel::IBrizel* control = create();
    control->setCaption(QStringLiteral("&Save"));
    EXPECT_EQ(container.accessKey, QChar('s'));
    control->setCaption(QStringLiteral("Save && load"));
    EXPECT_TRUE(container.accessKey.isNull());
}

class EntryPointTest : public BrizelTest {
protected:
    void SetUp() override {
        BrizelTest::SetUp();
        ASSERT_TRUE(config.isValid());
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        oldLocalAppData = qgetenv("LOCALAPPDATA");
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("LOCALAPPDATA", config.path().toLocal8Bit());
        library.setFileName(QStringLiteral(BRIZEL_LIBRARY));
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("LOCALAPPDATA", oldLocalAppData);
        BrizelTest::TearDown();
    }
    QString registryText() const {
        QFile file(config.path() + QStringLiteral("/Brizel/registry.conf"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QTemporaryDir config;
    QByteArray oldConfig;
    QByteArray oldLocalAppData;
    QLibrary library;
};

TEST_F(EntryPointTest, RegisterWritesTheLibraryPathAndUnregisterRemovesIt) {
    auto registerServer = reinterpret_cast<long (*)()>(library.resolve("DllRegisterServer"));
    auto unregisterServer = reinterpret_cast<long (*)()>(library.resolve("DllUnregisterServer"));
    ASSERT_TRUE(registerServer && unregisterServer);
    EXPECT_EQ(registerServer(), 0);
    const QString stored = registryText();
    EXPECT_TRUE(stored.contains(QStringLiteral("BrizelLib.Brizel=") +
                                QFileInfo(QStringLiteral(BRIZEL_LIBRARY)).canonicalFilePath()) ||
                stored.contains(QStringLiteral("BrizelLib.Brizel=") + QStringLiteral(BRIZEL_LIBRARY)))
        << stored.toStdString();
    EXPECT_EQ(unregisterServer(), 0);
    EXPECT_FALSE(registryText().contains(QStringLiteral("BrizelLib.Brizel")));
}

TEST_F(EntryPointTest, ClassObjectAndUnloadFollowTheLiveControls) {
    auto getClassObject = reinterpret_cast<long (*)(const char*, brizel::BrizelFactory**)>(
        library.resolve("DllGetClassObject"));
    auto canUnload = reinterpret_cast<long (*)()>(library.resolve("DllCanUnloadNow"));
    ASSERT_TRUE(getClassObject && canUnload);
    brizel::BrizelFactory* classFactory = nullptr;
    EXPECT_EQ(getClassObject("BrizelLib.Brizel", &classFactory), 0);
    EXPECT_EQ(classFactory, factory());
    EXPECT_NE(getClassObject("Other.Class", &classFactory), 0);
    EXPECT_EQ(classFactory, nullptr);
    EXPECT_EQ(canUnload(), 0);
    create();
    EXPECT_EQ(canUnload(), 1);
    window.reset();
    EXPECT_EQ(canUnload(), 0);
}
