// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Sound.h"
#include "core/Text.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The program-wide values and procedures of the module Allgemein. Booleans are -1/0.
namespace Allgemein {
inline int16_t LangIndex = 0;
inline std::array<QString, 7> LangFile;
inline int16_t SoundOn = 0;
inline int16_t PenWidth = 0;
inline int32_t PenColor = 0;
inline int16_t LessonNo = 0;
inline int16_t GridOn = 0;
// The current step laid faintly under the strokes on the canvas.
inline int16_t TraceOn = 0;
inline int16_t PreviewSize = 0;
inline int16_t ColorWinOpen = 0;
inline int16_t StepNo = 0;
inline int16_t MainShown = 0;
inline int16_t StartupInfo = 0;
inline QByteArray WavData;
inline int32_t PreviewLeft = 0;
inline int32_t PreviewTop = 0;
inline int32_t ColorLeft = 0;
inline int32_t ColorTop = 0;

inline constexpr const char* AppTitle = "Pinsola";
inline constexpr const char* Section = "Optionen";

void EndProgram();
void LoadConfig();
void SaveConfig();

// One key of section "Optionen", read as text with the default as text; written as decimal text.
QString ReadOption(const QString& key, const QString& fallback);
void WriteOption(const QString& key, const QString& value);
// A choice of the user's, kept only where it differs from what counts without it (the machine-wide value,
// else `builtIn`): the user's value equal to it is removed, so a later change of the default reaches them.
void StoreChoice(const QString& key, int32_t value, int32_t builtIn);
// A stored option the program cannot use (`stored` as found); its default `fallback` is used instead.
void NoteBadOption(const QString& key, const QString& stored, const QString& fallback);
// Stores the default of every option noted since the last report and raises one error (380) naming them
// all, so bad settings cost one error window at one start.
void ReportBadOptions();
// A key only the machine-wide settings decide (a school's or a parent's), never the user's own.
QString ReadSystemOption(const QString& key, const QString& fallback);
// False where the machine-wide settings say AllowExit=0: a grown-up answers a sum before the program
// may end, so that a child in a kiosk session cannot leave it by accident. Any other value allows it.
bool ExitAllowed();

QString GetLang(Text id);
// The ISO code of the language in use ("de", "en"…); empty where the index names no language.
QString LangCode();
// The language index of an ISO code ("fr" is 6); -1 for a language the program does not speak.
int16_t LangIndexOf(const QString& code);
void PlayWAV(Sound id);
} // namespace Allgemein
