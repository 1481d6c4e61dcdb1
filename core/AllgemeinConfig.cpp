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

// The stored option as a number of the key's type within [low, high]; a text that does not convert, or a
// number outside, is noted and the default used instead.
template <typename Number>
Number checked(const StoredOptions& options, const char* key, Number fallback, Number low, Number high) {
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
    NoteBadOption(name, stored, QString::number(fallback));
    return fallback;
}

int16_t integer(const StoredOptions& options, const char* key, int16_t fallback, int16_t low, int16_t high) {
    return checked<int16_t>(options, key, fallback, low, high);
}

// Switches are toggled by complement, so a hand-written 1 would toggle to -2, still on, for ever: any
// number but 0 is read as on (-1).
int16_t boolean(const StoredOptions& options, const char* key, int16_t fallback = VbConvert::True) {
    using Range = std::numeric_limits<int16_t>;
    return VbConvert::fromBool(integer(options, key, fallback, Range::min(), Range::max()) != 0);
}
} // namespace

QString ReadOption(const QString& key, const QString& fallback) {
    return SettingsStore::GetSetting(AppTitle, Section, key, fallback);
}

void WriteOption(const QString& key, const QString& value) {
    SettingsStore::SaveSetting(AppTitle, Section, key, value);
}

void NoteBadOption(const QString& key, const QString& stored, const QString& fallback) {
    badOptions().push_back({key, stored, fallback});
}

// A bad value reported at every start would leave a child clicking through error windows for good: each
// is replaced in the store by its default before the one report of them all.
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
        {20,
         [&] {
             const auto lessons =
                 VbConvert::toInteger(Resources::LoadResString(Resources::LessonCountString));
             LessonNo = integer(options, "Image", 1, 1, lessons);
         }},
        {30, [&] { PenWidth = integer(options, "Width", 5, MinPenWidth, MaxPenWidth); }},
        {40, [&] { PenColor = checked<int32_t>(options, "Color", 0, 0, MaxColor); }},
        {50, [&] { PreviewSize = boolean(options, "PSize"); }},
        {60, [&] { ColorWinOpen = boolean(options, "CShow"); }},
        {70, [&] { GridOn = boolean(options, "Gitter"); }},
        {80, [&] { TraceOn = boolean(options, "Trace", VbConvert::False); }},
    });
}

void SaveConfig() {
    ErrorTrap trap(QStringLiteral("SaveConfig"), QStringLiteral("Allgemein"));
    trap.run({
        {10, [] { WriteOption("Sound", QString::number(SoundOn)); }},
        {20, [] { WriteOption("Width", QString::number(PenWidth)); }},
        {30, [] { WriteOption("Image", QString::number(LessonNo)); }},
        {40, [] { WriteOption("Color", QString::number(PenColor)); }},
        {50, [] { WriteOption("PSize", QString::number(PreviewSize)); }},
        {60, [] { WriteOption("CShow", QString::number(ColorWinOpen)); }},
        {70, [] { WriteOption("Gitter", QString::number(GridOn)); }},
        {80, [] { WriteOption("Trace", QString::number(TraceOn)); }},
    });
}

} // namespace Allgemein
