#pragma once
// What the desktop provides beyond windows: message boxes, the save-file dialog, the cursor.
// Headless (tests, script mode) and Qt implement it.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/messages.h"

namespace zlx::ui {

enum class MessageBoxButtons { Ok, YesNo };

struct MessageBoxRequest {
    WindowHandle owner = kNoWindow;
    std::string ownerTitle;  // for transcripts; empty when there is no owner
    std::string text;
    std::string caption;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
};

struct SaveFileRequest {
    WindowHandle owner = kNoWindow;
    std::string title;
    std::string initialName;
    std::string defaultExtension;
    // (description, pattern) pairs, e.g. ("Text files (*.txt)", "*.txt").
    std::vector<std::pair<std::string, std::string>> filters;
    bool overwritePrompt = false;
};

enum class Cursor { Arrow, Wait };

class DesktopServices {
  public:
    virtual ~DesktopServices() = default;
    // Callable from any thread; the caller waits for the answer (kIdOk, kIdYes, kIdNo ...).
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // The chosen path, or nothing when the user cancels. User-interface thread only.
    virtual std::optional<std::string> saveFileDialog(const SaveFileRequest& request) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    // Puts text on the clipboard ("\r\n" line breaks). User-interface thread only.
    virtual void setClipboardText(const std::string& text) = 0;
};

}  // namespace zlx::ui
