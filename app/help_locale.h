#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zlx::app {

// The help folder's locale name for a Windows language identifier: the language code of the
// primary language (low 10 bits, 1 to 121) and, when the sublanguage (the bits above) has an
// entry in that language's region list, its suffix. Empty outside 1 to 121.
std::string helpLocaleName(std::uint16_t langId);

// "%Shelp\%s\PelornHelp.chm" in a buffer of 1024 bytes.
std::string helpFilePath(std::string_view installPath, std::string_view localeName);

}  // namespace zlx::app
