#pragma once
// The diagnostic log: the test window's text in the ANSI code page, one "\r\n" per line break,
// replacing the chosen file as a whole or not at all.

#include <string>

#include "platform/platform.h"

namespace zlx::testwindow {

// The bytes written for the window's text (which reads with "\r\n" line breaks).
std::string logFileBytes(platform::CodePages& codePages, const std::string& windowText);

bool saveLog(platform::Platform& platform, const std::string& path, const std::string& windowText,
             std::string& reason);

std::string logNotSavedMessage(const std::string& path, const std::string& reason);

}  // namespace zlx::testwindow
