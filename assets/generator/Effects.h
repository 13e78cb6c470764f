// The game's sound effects, synthesised into 16-bit PCM wave files.
#pragma once

#include <QString>

namespace zandor::media {

// Writes ZANDOR0..8.WAV and POWER4..8.WAV into `outDir` (ending in '/'); false on a write error.
bool WriteAllEffects(const QString& outDir);

}  // namespace zandor::media
