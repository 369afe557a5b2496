#pragma once

#include <optional>
#include <string>

#include "keyboard/model/MacroLibrary.h"

// config/MacroLibraryFile.mlf under the program folder.
std::string MacroLibraryPath(const std::string& programFolder);

// Reads the library; a missing or malformed file gives the default library,
// which is written at once. False when the file was not read as it was.
bool LoadMacroLibrary(MacroLibrary& library, const std::string& programFolder);
// False when the file could not be written; the old one then stays whole.
bool SaveMacroLibrary(const MacroLibrary& library, const std::string& programFolder);

// One macro without its name, as a ".mkf" file.
bool ExportMacroKey(const MacroKey& macro, const std::string& path);
// Reads a ".mkf" file into the target macro (keeping its name) only when the
// whole file is valid. False when it cannot be read or is not valid.
bool ImportMacroKey(const std::string& path, MacroKey& macro);
// The same for macro `index` of the library's first set, then the library is
// written; false (and nothing changed or written) for an invalid file or a
// macro that does not exist.
bool ImportMacroKey(const std::string& path, MacroLibrary& library, int index,
                    const std::string& programFolder);

// The texts of the files, for their own tests and the fuzzers.
std::string MacroLibraryText(const MacroLibrary& library);
std::optional<MacroLibrary> ParseMacroLibrary(const std::string& text);
std::string MacroKeyText(const MacroKey& macro);
std::optional<MacroKey> ParseMacroKey(const std::string& text);
