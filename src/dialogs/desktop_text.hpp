#pragma once
// Texts the desktop windows derive from the program's own: what a window can
// display, button labels with their mnemonic, the chooser's filter list and its
// starting folder. No toolkit here, so they build and test without FLTK.
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/platform.hpp"

namespace mirval::desktop {

// The bytes as a window can show them: valid UTF-8 stays as it is, any other
// byte is taken as Windows-1252 (the older survey files) and converted, and control
// characters other than tab become '?'. The console's copy on stdout keeps the
// original bytes.
std::string displayable(std::string_view bytes);

// The label of a button with its mnemonic marked for the toolkit ("&select
// file"): the first occurrence of the letter, in either case; '&' doubled.
std::string mnemonicLabel(std::string_view label, char mnemonic);

// A filter pattern as the chooser matches it on this system: the extension in
// lower and upper case ("*.SPE" also lists "gruta.spe", as the program reads
// either: "*.{spe,SPE}") and "*.*" every file, names without a dot included.
std::string bothCasesPattern(std::string_view pattern);

// The chooser's filter list: "name\tpattern" lines joined by "\n".
std::string filterList(const std::vector<FileFilter>& filters);

// The folder the chooser opens in: the proposed one when it exists here,
// otherwise the current folder.
std::string startingFolder(const std::string& proposed);

}  // namespace mirval::desktop
