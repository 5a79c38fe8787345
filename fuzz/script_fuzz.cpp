// Scripts of script mode are read from files a user names: any text must parse or be refused
// with one ScriptError.

#include <cstddef>
#include <cstdint>
#include <string>

#include "scriptmode/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    try {
        for (const auto& command : zlx::scriptmode::parseScript(text))
            zlx::scriptmode::echo(command);
    } catch (const zlx::scriptmode::ScriptError&) {
    }
    return 0;
}
