#include "testwindow/line_format.h"

namespace zlx::testwindow {

ui::CharFormat lineFormat(std::uint32_t kind) {
    switch (kind) {
        case kLineName:
            return {0x0000FF, true, true};
        case kLinePassed:
            return {0x3C9632, true, false};
        case kLineFailed:
            return {0xFF0000, true, false};
        case kLineAdvice:
            return {kAdviceColor, false, false};
        default:
            return {0x000000, false, false};
    }
}

std::string detailsLine(std::string label, const std::string& value) {
    if (label.size() % 2 != 0) label += ' ';
    while (label.size() <= 24) label += ". ";
    return label + ": " + value;
}

std::string timePrefix(const std::tm& localTime) {
    char buffer[10];
    if (std::strftime(buffer, sizeof buffer, "%H:%M:%S ", &localTime) == 0) return {};
    return buffer;
}

}  // namespace zlx::testwindow
