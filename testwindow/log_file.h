#pragma once
// The diagnostic log: the test window's text in the ANSI code page, one "\r\n" per line break,
// replacing the chosen file as a whole or not at all.

#include <string>

#include "adapterinfo/run_header.h"
#include "platform/platform.h"

namespace zlx::testwindow {

// What the log holds: the run's header, an empty line, then the window's text as it is.
std::string logText(const adapterinfo::RunHeader& header, const std::string& windowText);

// The bytes written for `text` (which reads with "\r\n" line breaks).
std::string logFileBytes(platform::CodePages& codePages, const std::string& text);

bool saveLog(platform::Platform& platform, const std::string& path, const std::string& text,
             std::string& reason);

std::string logNotSavedMessage(const std::string& path, const std::string& reason);

}  // namespace zlx::testwindow
