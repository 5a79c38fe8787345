#include "testwindow/log_file.h"

#include "resources/string_table.h"

namespace zlx::testwindow {

std::string logText(const adapterinfo::RunHeader& header, const std::string& windowText) {
    return adapterinfo::runHeaderText(header) + "\n" + windowText;
}

std::string logFileBytes(platform::CodePages& codePages, const std::string& text) {
    // Line breaks are already "\r\n"; a lone "\n" or "\r" would still be one break.
    std::string normalized;
    normalized.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            normalized += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            normalized += c;
        }
    }
    return codePages.utf8ToAnsi(normalized);
}

bool saveLog(platform::Platform& platform, const std::string& path, const std::string& text,
             std::string& reason) {
    return platform.savedFiles.replaceFile(path, logFileBytes(platform.codePages, text), reason);
}

std::string logNotSavedMessage(const std::string& path, const std::string& reason) {
    std::string format = resources::stringOr(resources::kIdsLogNotSaved,
                                             "The diagnostic log could not be saved to %s: %s");
    std::string out;
    const std::string* args[] = {&path, &reason};
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next < 2) {
            out += *args[next++];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace zlx::testwindow
