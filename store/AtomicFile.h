// Whole-file replacement for the game's files: a save either lands completely or not at all.
#pragma once

#include <string>
#include <vector>

namespace zandor {

// The steps of a replace.
enum class ReplaceStep { CreateTemporary, Write, Flush, Rename };

// What may go wrong at a step of a replace beyond what the disk itself does: tests hand one in
// to fail a replace as a full disk or a lost device would.
class ReplaceFaults {
 public:
  virtual ~ReplaceFaults() = default;
  // True when the replace under way fails at this step.
  virtual bool FailsAt(ReplaceStep step) = 0;
};

// Replaces the file at path with data as one step: the bytes go to a new temporary file in the
// same folder, which is flushed, renamed over the old file, and the folder is flushed. Creates
// missing folders; a file that may not be written, or anything that is not a plain file, is
// refused and left as it is. A link is followed and the file it points to is replaced. Returns
// false when the old file (or its absence) is what remains. Faults, when given, are asked at
// each step.
bool ReplaceFileAtomically(const std::string& path, const std::string& data,
                           ReplaceFaults* faults = nullptr);

// Removes the temporary files a killed save left beside any of the named files in folder (names
// of the form "<file>.XXXXXX"); returns how many were removed. Nothing else is touched.
int RemoveLeftoverTemporaries(const std::string& folder, const std::vector<std::string>& files);

// mkdir -p with the user's normal permissions; true when the folder exists afterwards.
bool MakeFolders(const std::string& dir);

}  // namespace zandor
