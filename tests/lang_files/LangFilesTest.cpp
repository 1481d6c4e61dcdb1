// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"
#include "formats/Cp1252.h"
#include "support/ErrorScript.h"
#include "support/TempHome.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

using namespace Allgemein;

namespace {

// Every id the program asks for, the 42 flowers' (301 to 342) among them.
const std::vector<int> kIds = [] {
    std::vector<int> ids{100, 101, 103, 113, 114, 115, 119, 120, 121, 122, 123, 124, 125, 128, 129, 130,
                         131, 132, 133, 134, 135, 140, 142, 143, 200, 201, 202, 203, 204, 205, 206, 207,
                         208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222};
    for (int flower = 301; flower <= 342; ++flower)
        ids.push_back(flower);
    return ids;
}();
// Menu entries carry an access key; the other texts are tooltips, titles and prompts shown as they are.
const int kMenuEntries[] = {113, 121};
// Texts that ask the user something.
const int kQuestions[] = {114, 135};
// Texts the program fills in with three values.
const int kThreeValues[] = {218, 221};

struct Language {
    int index;
    const char* file;
};
const Language kLanguages[] = {{0, "deutsch.lng"}, {1, "english.lng"}, {2, "swedish.lng"},
                               {3, "italian.lng"}, {4, "spanish.lng"}, {6, "french.lng"}};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.file;
}

QByteArray shipped(const char* file) {
    QFile lang(QStringLiteral(PROGRAM_DIR "/") + QLatin1String(file));
    return lang.open(QIODevice::ReadOnly) ? lang.readAll() : QByteArray();
}

// The file's keys and texts, read independently of the program's reader: one "[Lang]" line, then
// "dddd=text" lines.
QMap<int, QString> texts(const QByteArray& bytes) {
    QMap<int, QString> result;
    const QList<QByteArray> lines = bytes.split('\n');
    static const QRegularExpression entry(QStringLiteral("^(\\d{4})=(.*)$"));
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QRegularExpressionMatch match = entry.match(Cp1252::decode(lines[i].chopped(1)));
        if (match.hasMatch())
            result.insert(match.captured(1).toInt(), match.captured(2));
    }
    return result;
}

class LangFile_ : public ::testing::TestWithParam<Language> {
protected:
    QByteArray bytes = shipped(GetParam().file);
};

TEST_P(LangFile_, IsWindows1252TextWithCrLfLines) {
    ASSERT_FALSE(bytes.isEmpty());
    const QByteArray unassigned("\x81\x8d\x8f\x90\x9d", 5);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        EXPECT_FALSE(unassigned.contains(char(byte))) << "byte " << i << " is no Windows-1252 character";
        if (byte == '\n')
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        else if (byte == '\r')
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        else
            EXPECT_GE(byte, 0x20) << "control character at " << i;
    }
    EXPECT_TRUE(bytes.startsWith("[Lang]\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.split('\n').size() - 2, texts(bytes).size())
        << "every line after the section is one text";
}

TEST_P(LangFile_, HasEveryTextInFullWithinTheReadersLimit) {
    const QMap<int, QString> file = texts(bytes);
    for (int id : kIds) {
        ASSERT_TRUE(file.contains(id)) << id;
        EXPECT_FALSE(file[id].isEmpty()) << id;
        EXPECT_LE(file[id].size(), 254) << id;
        EXPECT_EQ(file[id], file[id].trimmed()) << id;
    }
    EXPECT_EQ(file.size(), int(std::size(kIds))) << "no unused texts";
}

TEST_P(LangFile_, MenuEntriesHaveDistinctAccessKeysAndOtherTextsNone) {
    const QMap<int, QString> file = texts(bytes);
    QString keys;
    for (int id : kIds) {
        const bool menu =
            std::find(std::begin(kMenuEntries), std::end(kMenuEntries), id) != std::end(kMenuEntries);
        const qsizetype amp = file[id].indexOf(QLatin1Char('&'));
        if (!menu) {
            EXPECT_EQ(amp, -1) << id << " shows '&' as it is";
            continue;
        }
        ASSERT_GE(amp, 0) << id;
        EXPECT_EQ(file[id].count(QLatin1Char('&')), 1) << id;
        ASSERT_LT(amp + 1, file[id].size()) << id;
        EXPECT_TRUE(file[id][amp + 1].isLetter()) << id;
        const QChar key = file[id][amp + 1].toUpper();
        EXPECT_FALSE(keys.contains(key)) << id << " repeats the access key " << QString(key).toStdString();
        keys += key;
    }
}

TEST_P(LangFile_, QuestionsAskValuesAreFilledInAndTheNameIsPinsola) {
    const QMap<int, QString> file = texts(bytes);
    for (int id : kQuestions)
        EXPECT_TRUE(file[id].contains(QLatin1Char('?'))) << id;
    for (int id : kThreeValues)
        for (const char* mark : {"%1", "%2", "%3"})
            EXPECT_TRUE(file[id].contains(QLatin1String(mark))) << id << " misses " << mark;
    EXPECT_EQ(file[100], QStringLiteral("Pinsola"));
}

TEST_P(LangFile_, GetLangReadsEveryTextThroughTheProgramsReader) {
    TempHome home;
    ErrorScript script;
    const QString copy = home.programFolder() + QLatin1Char('/') + QLatin1String(GetParam().file);
    ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAM_DIR "/") + QLatin1String(GetParam().file), copy));
    LangFile = {};
    LangFile[size_t(GetParam().index)] = copy;
    LangIndex = int16_t(GetParam().index);
    const QMap<int, QString> file = texts(bytes);
    for (int id : kIds)
        EXPECT_EQ(GetLang(Text(id)), file[id]) << id;
    EXPECT_EQ(script.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, LangFile_, ::testing::ValuesIn(kLanguages), [](const auto& row) {
    return QString::fromLatin1(row.param.file).section(QLatin1Char('.'), 0, 0).toStdString();
});

// A flower may have the same name in two languages (Rose, Iris), though most have not.
TEST(LangFiles, AreTranslatedRatherThanCopied) {
    constexpr int FirstFlower = 301;
    const QMap<int, QString> english = texts(shipped("english.lng"));
    for (const Language& language : kLanguages) {
        if (language.index == 1)
            continue;
        const QMap<int, QString> file = texts(shipped(language.file));
        int flowersOfTheirOwn = 0;
        for (int id : kIds) {
            if (id >= FirstFlower) {
                flowersOfTheirOwn += file[id] != english[id] ? 1 : 0;
            } else if (id != 100) {
                EXPECT_NE(file[id], english[id]) << language.file << ' ' << id;
            }
        }
        EXPECT_GT(flowersOfTheirOwn, 21) << language.file;
    }
}

struct Known {
    int index;
    int id;
    const char16_t* text;
};

// Characters beyond ASCII survive the code page on their way through the reader.
const Known kKnown[] = {
    {0, 124, u"Zurück"},
    {2, 143, u"Ångra det senaste strecket"},
    {3, 128, u"Immagine più grande o più piccola"},
    {4, 135, u"¿Quieres reemplazarlo?"},
    {6, 103, u"Choisis ta langue\u00a0:"},
    {1, 133, u"Save drawing"},
};

void PrintTo(const Known& known, std::ostream* out) {
    *out << known.index << '/' << known.id;
}

class KnownText : public ::testing::TestWithParam<Known> {};

TEST_P(KnownText, ComesBackThroughGetLang) {
    TempHome home;
    ErrorScript script;
    LangFile = {};
    for (const Language& language : kLanguages)
        LangFile[size_t(language.index)] = QStringLiteral(PROGRAM_DIR "/") + QLatin1String(language.file);
    LangIndex = int16_t(GetParam().index);
    EXPECT_EQ(GetLang(Text(GetParam().id)), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Texts, KnownText, ::testing::ValuesIn(kKnown));

} // namespace
