#pragma once
// Small files that must survive a crash or a full disk: written beside the old one and moved
// over it in one step, so the old file stands whole until the new one is complete.
#include <cstddef>
#include <optional>
#include <string>
#include <system_error>

// Writes the bytes to a new file in the same folder, flushes it to the disk and renames it
// over the path. When any step failed, its reason; the file at the path is then as it was, and
// no new file is left behind.
std::error_code ReplaceFile(const std::string& path, const std::string& bytes);

// Removes the temporary files of ReplaceFile for the path that copies of the program killed in
// the middle of a save left behind. A file of a process still alive is its save in progress and
// is left alone.
void RemoveDeadSaves(const std::string& path);

// The first maxBytes bytes (or fewer) of a regular file. Nothing for a missing file, a folder,
// a pipe or device (never waited on), or a file that cannot be read.
std::optional<std::string> ReadFileStart(const std::string& path, size_t maxBytes);
