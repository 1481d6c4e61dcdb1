#include "core/Allgemein.h"

#include "base/VbConvert.h"
#include "errors/ErrorTrap.h"
#include "platform/SettingsStore.h"

namespace Allgemein {

QString ReadOption(const QString& key, const QString& fallback) {
    return SettingsStore::GetSetting(AppTitle, Section, key, fallback);
}

void WriteOption(const QString& key, const QString& value) {
    SettingsStore::SaveSetting(AppTitle, Section, key, value);
}

void LoadConfig() {
    ErrorTrap trap(QStringLiteral("LoadConfig"), QStringLiteral("Allgemein"));
    auto integer = [](const char* key, const char* fallback) {
        return VbConvert::toInteger(ReadOption(key, fallback));
    };
    // Switches are toggled by complement, so a hand-written 1 would toggle to -2, still on, for ever:
    // any value but 0 is read as on (-1).
    auto boolean = [&](const char* key, const char* fallback) {
        return VbConvert::fromBool(integer(key, fallback) != 0);
    };
    trap.run({
        {10, [&] { SoundOn = boolean("Sound", "-1"); }},
        {20, [&] { LessonNo = integer("Image", "1"); }},
        {30, [&] { PenWidth = integer("Width", "5"); }},
        {40, [&] { PenColor = VbConvert::toLong(ReadOption("Color", "0")); }},
        {50, [&] { PreviewSize = boolean("PSize", "-1"); }},
        {60, [&] { ColorWinOpen = boolean("CShow", "-1"); }},
        {70, [&] { GridOn = boolean("Gitter", "-1"); }},
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
    });
}

} // namespace Allgemein
