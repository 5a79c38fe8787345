#include "win32/screenshots.h"

#include <wincodec.h>

#include <set>

#include "platform/win32/wide_text.h"
#include "ui/window_menu.h"
#include "win32/text.h"

namespace zlx::win32 {

namespace {

using platform::win32::fromWide;
using platform::win32::toWide;

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** out() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

  private:
    T* p_ = nullptr;
};

std::string hresultText(HRESULT result) {
    char text[32];
    wsprintfA(text, "error 0x%08lX", static_cast<unsigned long>(result));
    return text;
}

bool underWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The window's pixels, top row first, 32 bits each (blue, green, red, unused).
bool printWindow(HWND window, int& width, int& height, std::vector<BYTE>& pixels) {
    RECT frame;
    GetWindowRect(window, &frame);
    width = frame.right - frame.left;
    height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool printed = false;
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (underWine()) {
            // Wine's PrintWindow draws neither the child windows nor the frame; the window's
            // own pixels, kept by Wine apart from the screen, are what it shows.
            HDC drawn = GetWindowDC(window);
            printed = BitBlt(memory, 0, 0, width, height, drawn, 0, 0, SRCCOPY) != FALSE;
            ReleaseDC(window, drawn);
        } else {
            printed = PrintWindow(window, memory, 0) != FALSE;
        }
        GdiFlush();
        pixels.assign(
            static_cast<const BYTE*>(bits),
            static_cast<const BYTE*>(bits) + static_cast<std::size_t>(width) * height * 4);
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return printed;
}

std::string writePng(const std::wstring& path, int width, int height, std::vector<BYTE>& pixels) {
    ComPtr<IWICImagingFactory> factory;
    HRESULT result =
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()));
    if (FAILED(result)) return "no imaging component: " + hresultText(result);
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    const UINT stride = static_cast<UINT>(width) * 4;
    if (FAILED(result = factory->CreateStream(stream.out())) ||
        FAILED(result = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) ||
        FAILED(result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
        FAILED(result = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
        FAILED(result = encoder->CreateNewFrame(frame.out(), nullptr)) ||
        FAILED(result = frame->Initialize(nullptr)) ||
        FAILED(result = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) ||
        FAILED(result = frame->SetPixelFormat(&format)) ||
        FAILED(result = frame->WritePixels(static_cast<UINT>(height), stride,
                                           stride * static_cast<UINT>(height), pixels.data())) ||
        FAILED(result = frame->Commit()) || FAILED(result = encoder->Commit()))
        return hresultText(result);
    return {};
}

}  // namespace

ScreenshotResult writeScreenshots(const std::vector<HWND>& windows, const std::string& dir,
                                  const std::string& name) {
    ScreenshotResult result;
    std::wstring folder = toWide(dir);
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        result.error = "cannot create " + dir + ": error " + std::to_string(GetLastError());
        return result;
    }
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::set<std::string> used;
    for (HWND window : windows) {
        if (!IsWindowVisible(window) || IsIconic(window)) continue;
        std::string slug = ui::titleSlug(fromWide(windowText(window)));
        std::string unique = slug;
        for (int n = 2; used.count(unique); ++n) unique = slug + "-" + std::to_string(n);
        used.insert(unique);
        std::string path = dir + "/" + name + "-" + unique + ".png";
        int width = 0, height = 0;
        std::vector<BYTE> pixels;
        std::string error;
        if (!printWindow(window, width, height, pixels))
            error = "the window could not be printed";
        else
            error = writePng(toWide(path), width, height, pixels);
        if (!error.empty()) {
            result.error = "cannot write " + path + ": " + error;
            break;
        }
        result.written.push_back(path);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}

}  // namespace zlx::win32
