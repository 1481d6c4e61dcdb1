// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Allgemein.h"

#include "base/VbConvert.h"
#include "base/VbError.h"
#include "core/Resources.h"
#include "errors/ErrorTrap.h"
#include "platform/SettingsStore.h"

#include <QLoggingCategory>
#include <QStringList>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

Q_LOGGING_CATEGORY(lcConfig, "pinsola.settings")

namespace Allgemein {

namespace {
constexpr int MinPenWidth = 1;
constexpr int MaxPenWidth = 50;
constexpr int32_t MaxColor = 0xFFFFFF;
constexpr int16_t DefaultLesson = 1;
constexpr int16_t DefaultWidth = 5;
constexpr int32_t DefaultColor = 0;

struct BadOption {
    QString key;
    QString stored;
    QString fallback;
};

std::vector<BadOption>& badOptions() {
    static std::vector<BadOption> noted;
    return noted;
}

using StoredOptions = QHash<QString, QString>;

// Whether an unusable value is noted for the report or only passed over.
enum class Unusable { Noted, Passed };

// The stored option as a number of the key's type within [low, high]; a text that does not convert, or a
// number outside, is noted and the default used instead.
template <typename Number>
Number checked(const StoredOptions& options, const char* key, Number fallback, Number low, Number high,
               Unusable unusable = Unusable::Noted) {
    const QString name = QString::fromLatin1(key);
    const QString stored = options.value(name.toCaseFolded(), QString::number(fallback));
    try {
        Number value;
        if constexpr (std::is_same_v<Number, int16_t>)
            value = VbConvert::toInteger(stored);
        else
            value = VbConvert::toLong(stored);
        if (value >= low && value <= high)
            return value;
    } catch (const VbError&) {
    }
    if (unusable == Unusable::Noted)
        NoteBadOption(name, stored, QString::number(fallback));
    return fallback;
}

int16_t integer(const StoredOptions& options, const char* key, int16_t fallback, int16_t low, int16_t high,
                Unusable unusable = Unusable::Noted) {
    return checked<int16_t>(options, key, fallback, low, high, unusable);
}

// Switches are toggled by complement, so a hand-written 1 would toggle to -2, still on, for ever: any
// number but 0 is read as on (-1).
int16_t boolean(const StoredOptions& options, const char* key, int16_t fallback = VbConvert::True,
                Unusable unusable = Unusable::Noted) {
    using Range = std::numeric_limits<int16_t>;
    return VbConvert::fromBool(integer(options, key, fallback, Range::min(), Range::max(), unusable) != 0);
}

int16_t lessonCount() {
    return VbConvert::toInteger(Resources::LoadResString(Resources::LessonCountString));
}

// The user keeps only what differs from what the option is without the user's value (the machine-wide
// value where it is usable, else the built-in default), so a default a school changes later reaches
// everyone who had not chosen otherwise.
void keepOption(const QString& key, int32_t value, bool isDefault) {
    if (isDefault)
        SettingsStore::DeleteSetting(AppTitle, Section, key);
    else
        WriteOption(key, QString::number(value));
}

void keepSwitch(const StoredOptions& machine, const char* key, int16_t value,
                int16_t builtIn = VbConvert::True) {
    keepOption(QString::fromLatin1(key), value,
               (value != 0) == (boolean(machine, key, builtIn, Unusable::Passed) != 0));
}
} // namespace

QString ReadOption(const QString& key, const QString& fallback) {
    return SettingsStore::GetSetting(AppTitle, Section, key, fallback);
}

void WriteOption(const QString& key, const QString& value) {
    SettingsStore::SaveSetting(AppTitle, Section, key, value);
}

void StoreChoice(const QString& key, int32_t value, int32_t builtIn) {
    int32_t fallback = builtIn;
    try {
        fallback = VbConvert::toLong(ReadSystemOption(key, QString::number(builtIn)));
    } catch (const VbError&) {
    }
    keepOption(key, value, value == fallback);
}

void NoteBadOption(const QString& key, const QString& stored, const QString& fallback) {
    badOptions().push_back({key, stored, fallback});
}

// A bad value reported at every start would leave a child clicking through error windows for good: each
// is taken out of the user's store before the one report of them all, so the default counts again; one
// that is machine-wide is covered by the built-in default in the user's store.
void ReportBadOptions() {
    if (badOptions().empty())
        return;
    const std::vector<BadOption> bad = std::exchange(badOptions(), {});
    QStringList listed;
    for (const BadOption& option : bad)
        listed << option.key + QLatin1Char('=') + option.stored;
    const QString values = listed.join(QStringLiteral(", "));
    qCWarning(lcConfig).noquote() << "stored options not usable, their defaults are used:" << values;
    for (const BadOption& option : bad)
        if (!SettingsStore::DeleteSetting(AppTitle, Section, option.key))
            WriteOption(option.key, option.fallback);
    throw VbError(VbErr::InvalidPropertyValue,
                  VbError::standardDescription(VbErr::InvalidPropertyValue) + QStringLiteral(": ") + values);
}

QString ReadSystemOption(const QString& key, const QString& fallback) {
    return SettingsStore::GetSystemSetting(AppTitle, Section, key, fallback);
}

// Only a plain 0 closes the kiosk: a value no one can read must not lock everyone in, nor raise an error
// on the way out that would stop every way out.
bool ExitAllowed() {
    const QString stored = ReadSystemOption(QStringLiteral("AllowExit"), QStringLiteral("-1")).trimmed();
    if (stored == QLatin1String("0"))
        return false;
    if (stored != QLatin1String("-1"))
        qCWarning(lcConfig).noquote()
            << "machine-wide AllowExit=" + stored + " is neither 0 nor -1: ending is allowed";
    return true;
}

void LoadConfig() {
    ErrorTrap trap(QStringLiteral("LoadConfig"), QStringLiteral("Allgemein"));
    // Read at once: every start reads these before its first window.
    const StoredOptions options = SettingsStore::GetSection(AppTitle, Section);
    trap.run({
        {10, [&] { SoundOn = boolean(options, "Sound"); }},
        {20, [&] { LessonNo = integer(options, "Image", DefaultLesson, 1, lessonCount()); }},
        {30, [&] { PenWidth = integer(options, "Width", DefaultWidth, MinPenWidth, MaxPenWidth); }},
        {40, [&] { PenColor = checked<int32_t>(options, "Color", DefaultColor, 0, MaxColor); }},
        {50, [&] { PreviewSize = boolean(options, "PSize"); }},
        {60, [&] { ColorWinOpen = boolean(options, "CShow"); }},
        {70, [&] { GridOn = boolean(options, "Gitter"); }},
        {80, [&] { TraceOn = boolean(options, "Trace", VbConvert::False); }},
    });
}

void SaveConfig() {
    ErrorTrap trap(QStringLiteral("SaveConfig"), QStringLiteral("Allgemein"));
    const StoredOptions machine = SettingsStore::GetSystemSection(AppTitle, Section);
    const auto number = [&machine](const char* key, int16_t builtIn, int16_t low, int16_t high) {
        return integer(machine, key, builtIn, low, high, Unusable::Passed);
    };
    trap.run({
        {10, [&] { keepSwitch(machine, "Sound", SoundOn); }},
        {20,
         [&] {
             keepOption(QStringLiteral("Width"), PenWidth,
                        PenWidth == number("Width", DefaultWidth, MinPenWidth, MaxPenWidth));
         }},
        {30,
         [&] {
             keepOption(QStringLiteral("Image"), LessonNo,
                        LessonNo == number("Image", DefaultLesson, 1, lessonCount()));
         }},
        {40,
         [&] {
             keepOption(QStringLiteral("Color"), PenColor,
                        PenColor ==
                            checked<int32_t>(machine, "Color", DefaultColor, 0, MaxColor, Unusable::Passed));
         }},
        {50, [&] { keepSwitch(machine, "PSize", PreviewSize); }},
        {60, [&] { keepSwitch(machine, "CShow", ColorWinOpen); }},
        {70, [&] { keepSwitch(machine, "Gitter", GridOn); }},
        {80, [&] { keepSwitch(machine, "Trace", TraceOn, VbConvert::False); }},
    });
}

} // namespace Allgemein
