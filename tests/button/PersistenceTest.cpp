// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrizelFixture.h"

#include "controls/KeyedPropertyBag.h"

#include <QTemporaryDir>

using brizel::rgb;

namespace {

const char* const StoredProperties[] = {
    "BackColor",       "BackOver",     "ForeColor",    "ForeOver",      "MaskColor",         "ButtonType",
    "Caption",         "Enabled",      "ColorScheme",  "ShowFocusRect", "MousePointer",      "SoftBevel",
    "PicturePosition", "UseMaskColor", "UseGreyscale", "SpecialEffect", "CheckBoxBehaviour", "Value",
};

// Answers every key with its fallback and notes the order of the questions.
class RecordingBag : public brizel::PropertyBag {
public:
    mutable QStringList asked;
    QVariant readProperty(const QString& key, const QVariant& fallback) const override {
        asked << key.toUpper();
        return fallback;
    }
    void writeProperty(const QString&, const QVariant&, const QVariant&) override {}
};

} // namespace

TEST_F(BrizelTest, ReadAsksForEveryKeyOnceInItsOrderButNeverHand) {
    brizel::IBrizel* control = createUnplaced();
    RecordingBag bag;
    control->ReadProperties(bag);
    const QStringList expected = {"BTYPE", "TX",     "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO",
                                  "FCOL",  "FCOLO",  "MCOL",  "MPTR", "MICON",   "PICN",   "PICH", "UMCOL",
                                  "SOFT",  "PICPOS", "NGREY", "FX",   "CHECK",   "VALUE"};
    EXPECT_EQ(bag.asked.join(' ').toStdString(), expected.join(' ').toStdString());
}

TEST_F(BrizelTest, WriteListsEveryKeyInItsOrder) {
    brizel::IBrizel* control = create();
    KeyedPropertyBag bag;
    control->WriteProperties(bag);
    const QStringList expected = {"BTYPE", "TX",     "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO",
                                  "FCOL",  "FCOLO",  "MCOL",  "MPTR", "MICON",   "PICN",   "PICH", "UMCOL",
                                  "SOFT",  "PICPOS", "NGREY", "FX",   "HAND",    "CHECK",  "VALUE"};
    EXPECT_EQ(bag.keys(), expected);
    EXPECT_EQ(bag.readProperty(QStringLiteral("HAND")).toInt(), 0);
}

TEST_F(BrizelTest, WriteThenReadKeepsEveryProperty) {
    QTemporaryDir folder;
    QImage normal(6, 5, QImage::Format_RGB32);
    normal.fill(QColor(10, 200, 30));
    const QString normalPath = folder.filePath(QStringLiteral("normal.png"));
    ASSERT_TRUE(normal.save(normalPath));
    QImage over(3, 3, QImage::Format_RGB32);
    over.fill(QColor(1, 2, 3));

    container.userMode = true;
    brizel::IBrizel* source = create();
    source->setButtonType(int32_t(brizel::ButtonTypes::KDE2));
    source->setCaption(QStringLiteral("&Print && go"));
    source->setEnabled(0);
    source->setFont(QFont(QStringLiteral("DejaVu Serif"), 11));
    source->setFontItalic(-1);
    source->setFontUnderline(-1);
    source->setColorScheme(2);
    source->setShowFocusRect(0);
    source->setBackColor(rgb(1, 2, 3));
    source->setBackOver(rgb(4, 5, 6));
    source->setForeColor(0x80000012u); // system button text, kept as an OLE colour
    source->setForeOver(rgb(7, 8, 9));
    source->setMaskColor(rgb(255, 0, 255));
    source->setMousePointer(11);
    source->setSoftBevel(-1);
    source->setPictureNormal(brizel::Picture::fromFile(normalPath));
    source->setPictureOver(brizel::Picture::fromImage(over));
    source->setPicturePosition(3);
    source->setUseMaskColor(0);
    source->setUseGreyscale(-1);
    source->setSpecialEffect(2);
    source->setCheckBoxBehaviour(-1);
    source->setValue(-1);

    KeyedPropertyBag written;
    source->WriteProperties(written);
    const KeyedPropertyBag stored = KeyedPropertyBag::fromText(written.toText());
    brizel::IBrizel* target = createUnplaced();
    target->ReadProperties(stored);

    for (const char* property : StoredProperties) {
        SCOPED_TRACE(property);
        EXPECT_EQ(widgetOf(target)->property(property), widgetOf(source)->property(property));
    }
    EXPECT_EQ(target->Font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(target->FontSize(), 11);
    EXPECT_EQ(target->FontItalic(), -1);
    EXPECT_EQ(target->FontUnderline(), -1);
    EXPECT_EQ(target->FontBold(), 0);
    EXPECT_EQ(target->PictureNormal().source, normalPath);
    EXPECT_EQ(target->PictureNormal().image.pixel(0, 0), normal.pixel(0, 0));
    EXPECT_EQ(target->PictureOver().image.size(), QSize(3, 3));
    EXPECT_EQ(target->PictureOver().image.pixel(2, 2), over.pixel(2, 2));
    EXPECT_FALSE(widgetOf(target)->isEnabled());
}

TEST_F(BrizelTest, StoredKeysAreReadWithoutRegardToCase) {
    const KeyedPropertyBag bag = KeyedPropertyBag::fromText(QStringLiteral(
        "btype=14\ntx=&Ok\nenab=False\nfont=DejaVu Sans,10,-1,0,0,0\ncoltype=2\nbcol=255\nfcol=65280\n"
        "check=True\nvalue=-1\nfx=3\n"));
    brizel::IBrizel* control = createUnplaced();
    control->ReadProperties(bag);
    EXPECT_EQ(control->ButtonType(), int32_t(brizel::ButtonTypes::KDE2));
    EXPECT_EQ(control->Caption(), QStringLiteral("&Ok"));
    EXPECT_EQ(control->Enabled(), 0);
    EXPECT_EQ(control->FontBold(), -1);
    EXPECT_EQ(control->FontSize(), 10);
    EXPECT_EQ(control->ColorScheme(), 2);
    EXPECT_EQ(control->BackColor(), rgb(255, 0, 0));
    EXPECT_EQ(control->BackOver(), rgb(255, 0, 0)); // defaults to the BackColor just read
    EXPECT_EQ(control->ForeOver(), rgb(0, 255, 0));
    EXPECT_EQ(control->CheckBoxBehaviour(), -1);
    EXPECT_EQ(control->Value(), -1);
    EXPECT_EQ(control->SpecialEffect(), 3);
    EXPECT_EQ(container.accessKey, QChar('o'));
}

TEST_F(BrizelTest, UnreadableValuesKeepTheReadDefaults) {
    const KeyedPropertyBag bag = KeyedPropertyBag::fromText(
        QStringLiteral("BTYPE=wide\nENAB=maybe\nFONT=,,\nPICN=/no/such/picture.png\nMCOL=99999999999\n"));
    brizel::IBrizel* control = createUnplaced();
    const QFont before = control->Font();
    control->ReadProperties(bag);
    EXPECT_EQ(control->ButtonType(), int32_t(brizel::ButtonTypes::Windows32Bit));
    EXPECT_EQ(control->Enabled(), -1);
    EXPECT_EQ(control->Font(), before);
    EXPECT_TRUE(control->PictureNormal().isNull());
    EXPECT_EQ(control->MaskColor(), rgb(192, 192, 192));
}

// The stored forms of a colour that the program's stored windows use, read as the program reads them.
TEST_F(BrizelTest, StoredColoursReadLikeTheProgramsOwn) {
    const struct {
        const char* text;
        uint32_t color;
    } cases[] = {{"&H0078BFDE&", 0x0078BFDEu},
                 {"&H8000000F", 0x8000000Fu},
                 {"2147483663", 0x8000000Fu},
                 {"-2147483633", 0x8000000Fu},
                 {"0x78BFDE", rgb(192, 192, 192)}}; // not a number to the program: the default stays
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        brizel::IBrizel* control = createUnplaced();
        control->ReadProperties(KeyedPropertyBag::fromText(QStringLiteral("MCOL=") + QLatin1String(c.text)));
        EXPECT_EQ(control->MaskColor(), c.color);
    }
}

TEST_F(BrizelTest, LoadingDrawsNothingUntilShown) {
    brizel::IBrizel* control = createUnplaced();
    const quint64 before = control->PaintCount();
    control->ReadProperties(KeyedPropertyBag::fromText(QStringLiteral("BTYPE=1\nTX=Hi")));
    EXPECT_EQ(control->PaintCount(), before);
    showWindow();
    EXPECT_GT(control->PaintCount(), before);
    EXPECT_EQ(pixel(control, 0, 5), rgbText(sys::DarkShadow));
}
