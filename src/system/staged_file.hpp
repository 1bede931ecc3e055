#pragma once
// Files written beside their final name and put in its place in one step, so
// that the file of that name is either the earlier one or the new one, whole.
// A temporary file exists only while the process runs: when it is interrupted
// (SIGINT, SIGTERM or SIGHUP; on Windows Ctrl+C or a closed console) every
// temporary file is removed, and the process then ends as the interruption
// would have ended it.
#include <cstdio>
#include <optional>
#include <string>

namespace mirval {

struct TemporaryFile {
    std::string path;
    std::FILE* stream = nullptr;  // open for writing; the caller closes it
};

// A new, empty file in the folder of `finalName` under a name no file there
// had (".mirval-XXXXXXXX.tmp"), with the permissions of the file `finalName`
// when one exists; nothing when it cannot be created.
std::optional<TemporaryFile> createTemporaryBeside(const std::string& finalName);

// Whether the file `finalName`, when it exists, can be replaced now: on Windows
// not while another program holds it open (a drawing open in a CAD program).
bool isReplaceable(const std::string& finalName);

// Starts writing a closed temporary file out to the disk, and returns: a file
// system that waits for that while it replaces a file (ext4) then waits less.
void startWritingOut(const std::string& temporary);

// Puts the closed temporary file in the place of `finalName`, replacing the
// file there in one step; false when the system refuses, and the temporary
// file then stays a temporary file.
bool replaceWithTemporary(const std::string& temporary, const std::string& finalName);

// Removes a closed temporary file that will not be used.
void removeTemporary(const std::string& temporary);

}  // namespace mirval
