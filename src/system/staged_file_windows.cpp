// Temporary files on Windows: created exclusively and shared for deletion (so
// that the console's Ctrl+C handler, which runs on a thread of its own, can
// remove them while they are open), moved over the final name with
// MoveFileExW, which replaces a file in one step.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <mutex>
#include <vector>

#include "system/staged_file.hpp"
#include "system/wide_text.hpp"

namespace mirval {

std::string temporaryNameBeside(const std::string& finalName);

namespace {

std::mutex temporariesGuard;
std::vector<std::wstring> temporaries;  // the temporary files that exist now

BOOL WINAPI removeTemporariesOnInterruption(DWORD) {
    const std::lock_guard lock(temporariesGuard);
    for (const std::wstring& path : temporaries) DeleteFileW(path.c_str());
    return FALSE;  // and the process ends as it would have
}

void forget(const std::wstring& path) {
    const std::lock_guard lock(temporariesGuard);
    std::erase(temporaries, path);
}

// A new file of that name, listed among the temporary files; the handle is
// INVALID_HANDLE_VALUE when it cannot be created (GetLastError() tells why).
HANDLE createListed(const std::wstring& path) {
    static const bool handled = SetConsoleCtrlHandler(removeTemporariesOnInterruption, TRUE) != 0;
    (void)handled;
    const std::lock_guard lock(temporariesGuard);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) temporaries.push_back(path);
    return file;
}

}  // namespace

std::optional<TemporaryFile> createTemporaryBeside(const std::string& finalName) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = temporaryNameBeside(finalName);
        const HANDLE file = createListed(wideFromUtf8(path));
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
        if (file == INVALID_HANDLE_VALUE) return std::nullopt;
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
        if (descriptor < 0) CloseHandle(file);
        std::FILE* stream = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
        if (stream != nullptr) return TemporaryFile{path, stream};
        if (descriptor >= 0) _close(descriptor);
        removeTemporary(path);
        return std::nullopt;
    }
    return std::nullopt;
}

void startWritingOut(const std::string&) {}

bool isReplaceable(const std::string& finalName) {
    const HANDLE file = CreateFileW(wideFromUtf8(finalName).c_str(), DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return true;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool replaceWithTemporary(const std::string& temporary, const std::string& finalName) {
    const std::wstring wide = wideFromUtf8(temporary);
    if (!MoveFileExW(wide.c_str(), wideFromUtf8(finalName).c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
    forget(wide);
    return true;
}

void removeTemporary(const std::string& temporary) {
    const std::wstring wide = wideFromUtf8(temporary);
    DeleteFileW(wide.c_str());
    forget(wide);
}

}  // namespace mirval
