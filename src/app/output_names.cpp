// Naming the outputs after the input file.
#include "app/output_names.hpp"

#include <array>

namespace mirval {

namespace {

// Position of the first "." of the file part, or npos.
std::size_t firstDotOfFilePart(std::string_view name) {
    const std::size_t slash = name.find_last_of("/\\");
    const std::size_t filePart = slash == std::string_view::npos ? 0 : slash + 1;
    return name.find('.', filePart);
}

char lowerIfKnown(char c, std::string_view knownLetters) {
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return knownLetters.find(lower) != std::string_view::npos ? lower : c;
}

}  // namespace

std::string baseName(std::string_view name) {
    const std::size_t dot = firstDotOfFilePart(name);
    if (dot == std::string_view::npos) return std::string(trim(name));
    return std::string(name.substr(0, dot));
}

FileType fileTypeOf(std::string_view full) {
    const std::size_t dot = firstDotOfFilePart(full);
    const std::size_t start = dot == std::string_view::npos ? 0 : dot + 1;
    // letters that "txt", "orv", "vrk", "eef" and "spe" have at each position
    static constexpr std::array<std::string_view, 3> kKnown = {"toves", "xrep", "tvkfe"};
    FileType type;
    for (std::size_t k = 0; k < 3 && start + k < full.size(); ++k) {
        type[k] = lowerIfKnown(full[start + k], kKnown[k]);
    }
    return type;
}

OutputNames outputNamesOf(std::string_view inputName) {
    const std::string base = baseName(inputName);
    auto with = [&](const char* suffix) { return base + suffix; };
    return {with(".res"), with(".plo"), with(".coo"),      with("_3D.dxf"),     with("_2D.dxf"),
            with(".kml"), with(".th"),  with("_lrud.dat"), with("_splays.dat"), with(".fch"),
            with(".aju")};
}

std::string copyNameOf(std::string_view inputName, const FileType& type, std::string_view tag) {
    return baseName(inputName) + "_" + type.str() + "." + std::string(tag);
}

std::string profileDrawingNameOf(std::string_view profileName) { return baseName(profileName) + ".dxf"; }

}  // namespace mirval
