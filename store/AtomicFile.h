// Whole-file replacement for the game's files: a save either lands completely or not at all.
#pragma once

#include <string>
#include <vector>

// Replaces the file at path with data as one step: the bytes go to a new temporary file in the
// same folder, which is flushed, renamed over the old file, and the folder is flushed. Creates
// missing folders; a file that may not be written, or anything that is not a plain file, is
// refused and left as it is. A link is followed and the file it points to is replaced. Returns
// false when the old file (or its absence) is what remains.
bool ReplaceFileAtomically(const std::string& path, const std::string& data);

// The steps of a replace, for the test hook below.
enum class ReplaceStep { CreateTemporary, Write, Flush, Rename };

// Test hook: the replace that follows `replacesBefore` successful ones fails at `step`, as a full
// disk or a lost device would; a negative count disarms it.
void FailReplaceAfter(int replacesBefore, ReplaceStep step);

// Removes the temporary files a killed save left beside any of the named files in folder (names
// of the form "<file>.XXXXXX"); returns how many were removed. Nothing else is touched.
int RemoveLeftoverTemporaries(const std::string& folder, const std::vector<std::string>& files);

// mkdir -p with the user's normal permissions; true when the folder exists afterwards.
bool MakeFolders(const std::string& dir);
