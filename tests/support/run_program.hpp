#pragma once
// Runs the built program (MIRVAL_BINARY) in a folder, on every system: no
// standard input, stdout and stderr into files of that folder.
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace mirval::test {

#ifdef _WIN32
namespace detail {

inline HANDLE inheritableFile(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Under wine a process that has ended may hold its standard files a moment
// longer; they cannot be deleted until then.
inline void waitUntilReleased(const std::filesystem::path& path) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            CloseHandle(h);
            return;
        }
        Sleep(10);
    }
}

}  // namespace detail
#endif

// `arguments` are file names without blanks or quotes. Returns the exit
// status, or -1 when the program did not exit normally.
inline int runProgram(const std::filesystem::path& folder, const std::string& arguments,
                      const std::string& out = "console.out", const std::string& err = "stderr.out") {
#ifdef _WIN32
    // no shell: cmd.exe would keep the folder busy for a moment after it ends
    std::wstring commandLine = L"\"" + std::filesystem::path(MIRVAL_BINARY).wstring() + L"\" " +
                               std::filesystem::path(arguments).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = detail::inheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = detail::inheritableFile(folder / out, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = detail::inheritableFile(folder / err, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    // no console either: nothing else (a console host) then holds the files
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, folder.c_str(),
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
    detail::waitUntilReleased(folder / out);
    detail::waitUntilReleased(folder / err);
    return static_cast<int>(status);
#else
    // a sanitizer report must not pass for the failure status 1
    const std::string command = "cd '" + folder.string() + "' && ASAN_OPTIONS=exitcode=86 UBSAN_OPTIONS=exitcode=87 '" +
                                MIRVAL_BINARY + "' " + arguments + " >" + out + " 2>" + err + " </dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// The program run by the POSIX shell in a folder: `before` (shell commands, a
// limit or a trap), then the program with `arguments` and `streams` (the
// redirections). Returns the exit status, or -1 when it did not exit normally
// (always on Windows, which has no such shell).
inline int runProgramInShell([[maybe_unused]] const std::filesystem::path& folder,
                             [[maybe_unused]] const std::string& before, [[maybe_unused]] const std::string& arguments,
                             [[maybe_unused]] const std::string& streams) {
#ifdef _WIN32
    return -1;
#else
    const std::string command = "cd '" + folder.string() + "' && " + before +
                                " ASAN_OPTIONS=exitcode=86 UBSAN_OPTIONS=exitcode=87 '" + MIRVAL_BINARY + "' " +
                                arguments + " " + streams;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace mirval::test
