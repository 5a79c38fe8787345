#include "sim/windows_path.h"

#include <vector>

#include "platform/text.h"

namespace zlx::sim {

std::string normalizeWindowsPath(std::string_view path) {
    std::string text(path);
    for (char& c : text) {
        if (c == '/') c = '\\';
    }
    bool drive = text.size() >= 3 && text[1] == ':' && text[2] == '\\';
    std::string prefix = drive ? text.substr(0, 2) : "";
    std::string_view rest = std::string_view(text).substr(prefix.size());
    bool trailing = rest.size() > 1 && rest.back() == '\\';

    std::vector<std::string_view> segments;
    for (std::size_t start = 0; start <= rest.size();) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string_view::npos) end = rest.size();
        std::string_view segment = rest.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }

    std::string out = prefix;
    for (std::string_view segment : segments) {
        if (drive || !out.empty()) out += '\\';
        out += segment;
    }
    if (trailing && !segments.empty()) out += '\\';
    if (drive && segments.empty()) out += '\\';
    return out;
}

std::string windowsPathKey(std::string_view path) {
    return toLowerAscii(normalizeWindowsPath(path));
}

}  // namespace zlx::sim
