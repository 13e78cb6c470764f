// The background songs, composed from the note-list sources into standard MIDI files.
#pragma once

#include <QString>

namespace zandor::media {

// Composes music/song0.txt .. song7.txt into ZANDOR0..7.MID in `outDir`; false on an error.
bool WriteAllSongs(const QString& musicDir, const QString& outDir);

}  // namespace zandor::media
