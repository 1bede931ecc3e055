// Windows file names are UTF-16: the narrow file functions would pass a path
// through the ANSI code page, losing every character outside it.
#include <windows.h>

#include "system/file_system.hpp"
#include "system/wide_text.hpp"

namespace mirval {

std::filesystem::path pathFromUtf8(const std::string& utf8Path) { return wideFromUtf8(utf8Path); }

std::string utf8FromPath(const std::filesystem::path& path) { return utf8FromWide(path.native()); }

std::FILE* openFile(const std::string& utf8Path, const char* mode) {
    return _wfopen(wideFromUtf8(utf8Path).c_str(), wideFromUtf8(mode).c_str());
}

bool isWritableFile(const std::string& utf8Path) {
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(utf8Path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

// Windows file names ignore letter case: "EXEMPLO_3d.dxf" is "exemplo_3D.dxf".
bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wideA = wideFromUtf8(a), wideB = wideFromUtf8(b);
    return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

std::string userConfigurationFolder() {
    const wchar_t* roaming = _wgetenv(L"APPDATA");
    return roaming != nullptr ? utf8FromWide(roaming) : std::string();
}

// The volume's serial number and the file's index on it.
std::optional<std::pair<std::uint64_t, std::uint64_t>> identityOf(const std::string& utf8Path) {
    const HANDLE file = CreateFileW(wideFromUtf8(utf8Path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = GetFileInformationByHandle(file, &information) != 0;
    CloseHandle(file);
    if (!known) return std::nullopt;
    return std::pair<std::uint64_t, std::uint64_t>(
        information.dwVolumeSerialNumber,
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow);
}

}  // namespace mirval
