// The temporary files of atomic writes: their names, and removing those a killed write left behind.
#pragma once

#include <filesystem>
#include <string>

#include "store/data_paths.h"

// A write stages the new content in "." + the file's name + "." + six letters
// or digits, in the file's own folder, and holds a lock on it until it is
// renamed into place or removed. A process killed in between leaves it behind,
// up to the size of the whole collection each time. Such a file is stale
// when no one holds its lock and it has not changed for a minute (the lock is
// taken a moment after the file is made); only stale files of the very file
// being written are removed, never anything another program could have made
// under another name.
namespace novlet {

// The mkstemp template of a temporary file for destination.
std::string TemporaryFileTemplate(const std::filesystem::path& destination);

// Removes the stale temporary files of writes to destination. Nothing that
// fails here is reported: a file left in place loses no data.
void RemoveStaleTemporaryFiles(const std::filesystem::path& destination);

// The same for the three data files, for the program to call when it starts.
void RemoveStaleDataTemporaryFiles(const TDataPaths& files);

}  // namespace novlet
