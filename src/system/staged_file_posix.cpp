// Temporary files on POSIX systems: created exclusively, renamed over the final
// name (rename() replaces a file in one step), and listed where a signal
// handler can remove them.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

#include "system/staged_file.hpp"

namespace mirval {

std::string temporaryNameBeside(const std::string& finalName);

namespace {

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary files that exist now, as C strings an interrupted process can
// remove: a signal handler may only read memory and make system calls. The
// table changes with the interruptions held back (they are delivered right
// after), so a handler never sees an entry half written.
constexpr std::size_t kEntries = 256;
std::atomic<bool> used[kEntries];
char paths[kEntries][PATH_MAX];  // a page each: only those in use are ever touched
std::size_t nextEntry = 0;       // entries are taken in turn, the oldest free one reused last

void removeTemporariesAndEnd(int signal) {
    for (std::size_t entry = 0; entry < kEntries; ++entry) {
        if (used[entry].load()) ::unlink(paths[entry]);
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);  // delivered as the handler returns: the process ends as it would have
}

// Handlers for the interruptions the process does not ignore.
void handleInterruptions() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = removeTemporariesAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : kInterruptions) sigaddset(&action.sa_mask, signal);
    for (const int signal : kInterruptions) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

// Interruptions held back for this thread while it lives.
class InterruptionsHeld {
public:
    InterruptionsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : kInterruptions) sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~InterruptionsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    InterruptionsHeld(const InterruptionsHeld&) = delete;
    InterruptionsHeld& operator=(const InterruptionsHeld&) = delete;

private:
    sigset_t previous_;
};

bool remember(const std::string& path) {
    if (path.size() >= PATH_MAX) return false;
    for (std::size_t tried = 0; tried < kEntries; ++tried) {
        const std::size_t entry = (nextEntry + tried) % kEntries;
        if (used[entry].load()) continue;
        std::memcpy(paths[entry], path.c_str(), path.size() + 1);
        used[entry].store(true);
        nextEntry = entry + 1;
        return true;
    }
    return false;
}

void forget(const std::string& path) {
    for (std::size_t entry = 0; entry < kEntries; ++entry) {
        if (used[entry].load() && path == paths[entry]) used[entry].store(false);
    }
}

// A new file of that name, listed among the temporary files; -1 when it
// cannot be created (errno tells why).
int createListed(const std::string& path) {
    const InterruptionsHeld held;
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) return -1;
    if (!remember(path)) {
        ::close(descriptor);
        ::unlink(path.c_str());
        errno = ENFILE;
        return -1;
    }
    return descriptor;
}

}  // namespace

std::optional<TemporaryFile> createTemporaryBeside(const std::string& finalName) {
    handleInterruptions();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = temporaryNameBeside(finalName);
        const int descriptor = createListed(path);
        if (descriptor < 0 && errno == EEXIST) continue;
        if (descriptor < 0) return std::nullopt;
        struct stat earlier {};
        if (::stat(finalName.c_str(), &earlier) == 0) ::fchmod(descriptor, earlier.st_mode & 0777);
        if (std::FILE* stream = ::fdopen(descriptor, "wb")) return TemporaryFile{path, stream};
        ::close(descriptor);
        removeTemporary(path);
        return std::nullopt;
    }
    return std::nullopt;
}

void startWritingOut(const std::string& temporary) {
#ifdef SYNC_FILE_RANGE_WRITE  // Linux
    const int descriptor = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::sync_file_range(descriptor, 0, 0, SYNC_FILE_RANGE_WRITE);
    ::close(descriptor);
#else
    (void)temporary;
#endif
}

bool isReplaceable(const std::string&) { return true; }

bool replaceWithTemporary(const std::string& temporary, const std::string& finalName) {
    const InterruptionsHeld held;
    if (::rename(temporary.c_str(), finalName.c_str()) != 0) return false;
    forget(temporary);
    return true;
}

void removeTemporary(const std::string& temporary) {
    const InterruptionsHeld held;
    ::unlink(temporary.c_str());
    forget(temporary);
}

}  // namespace mirval
