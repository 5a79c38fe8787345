#include "win32/services.h"

#include <commdlg.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"
#include "win32/text.h"

namespace zlx::win32 {

namespace {
constexpr UINT kAskBox = WM_APP + 2;
constexpr const wchar_t* kAskClass = L"ZlxServices";
// Long enough for a long path (\\?\ and 32,767 characters).
constexpr std::size_t kPathRoom = 32768;

// The user's documents folder (the known folder Documents), where a save dialog opens; empty
// when the shell has none, and the dialog chooses.
std::wstring documentsFolder() {
    PWSTR found = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &found)) && found)
        folder = found;
    CoTaskMemFree(found);  // owed even when the call fails
    return folder;
}
}  // namespace

Win32Services::Win32Services(HINSTANCE instance) : uiThread_(GetCurrentThreadId()) {
    WNDCLASSW askClass{};
    askClass.lpfnWndProc = &Win32Services::askProc;
    askClass.hInstance = instance;
    askClass.lpszClassName = kAskClass;
    RegisterClassW(&askClass);
    askWindow_ =
        CreateWindowExW(0, kAskClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetWindowLongPtrW(askWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Services::~Win32Services() {
    if (askWindow_) DestroyWindow(askWindow_);
}

LRESULT CALLBACK Win32Services::askProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* services = reinterpret_cast<Win32Services*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (services && message == kAskBox)
        return services->showBox(*reinterpret_cast<const ui::MessageBoxRequest*>(lParam));
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND Win32Services::ownerOf(ui::WindowHandle owner) const {
    if (owner == ui::kNoWindow || !ownerLookup_) return nullptr;
    return ownerLookup_(owner);
}

int Win32Services::messageBox(const ui::MessageBoxRequest& request) {
    if (GetCurrentThreadId() == uiThread_) return showBox(request);
    // The user-interface thread takes a sent message in any loop it runs, a modal one too.
    return static_cast<int>(
        SendMessageW(askWindow_, kAskBox, 0, reinterpret_cast<LPARAM>(&request)));
}

int Win32Services::showBox(const ui::MessageBoxRequest& request) {
    const bool yesNo = request.buttons == ui::MessageBoxButtons::YesNo;
    std::wstring text = shownText(request.text);
    std::wstring caption = shownText(request.caption);
    int pressed = MessageBoxW(ownerOf(request.owner), text.c_str(), caption.c_str(),
                              (yesNo ? MB_YESNO : MB_OK) | MB_SETFOREGROUND);
    switch (pressed) {
        case IDYES:
            return ui::kIdYes;
        case IDNO:
            return ui::kIdNo;
        case IDOK:
            return ui::kIdOk;
        default:
            // Closed without a button: what Escape means for the box.
            return yesNo ? ui::kIdNo : ui::kIdOk;
    }
}

std::optional<std::string> Win32Services::saveFileDialog(const ui::SaveFileRequest& request) {
    std::wstring filters;
    for (const auto& [description, pattern] : request.filters) {
        filters += platform::win32::toWide(description);
        filters += L'\0';
        filters += platform::win32::toWide(pattern);
        filters += L'\0';
    }
    filters += L'\0';
    std::vector<wchar_t> path(kPathRoom, L'\0');
    std::wstring initial = platform::win32::toWide(request.initialName);
    if (initial.size() < path.size()) std::copy(initial.begin(), initial.end(), path.begin());
    const std::wstring folder = documentsFolder();
    std::wstring title = platform::win32::toWide(request.title);
    std::wstring extension = platform::win32::toWide(request.defaultExtension);
    if (!extension.empty() && extension.front() == L'.') extension.erase(0, 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ownerOf(request.owner);
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (request.overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return platform::win32::fromWide(path.data());
}

void Win32Services::setCursor(ui::Cursor cursor) {
    cursor_ = cursor;
    if (GetCurrentThreadId() == uiThread_)
        SetCursor(LoadCursorW(nullptr, cursor == ui::Cursor::Wait ? IDC_WAIT : IDC_ARROW));
}

void Win32Services::setClipboardText(const std::string& text) {
    std::wstring wide = platform::win32::toWide(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory) return;
    if (void* bytes = GlobalLock(memory)) {
        std::memcpy(bytes, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(askWindow_)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it took it.
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

}  // namespace zlx::win32
