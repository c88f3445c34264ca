#include "platform/win32/win32_desktop.h"

#include <windows.h>

// The Active Desktop declarations of the shell header need the Internet header first.
#include <wininet.h>

#include <shlobj.h>

#include <cstdio>

namespace platform {

namespace {

const CLSID kActiveDesktopClass = {
    0x75048700, 0xEF1F, 0x11D0, {0x98, 0x88, 0x00, 0x60, 0x97, 0xDE, 0xAC, 0xF9}};
const IID kActiveDesktopInterface = {
    0xF490EB00, 0x1240, 0x11D1, {0x98, 0x88, 0x00, 0x60, 0x97, 0xDE, 0xAC, 0xF9}};
const CLSID kShellLinkClass = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkInterface = {
    0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFileInterface = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Releases a COM interface when it goes out of scope.
template <class T> class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (p_) p_->Release();
    }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void** out() { return reinterpret_cast<void**>(&p_); }

  private:
    T* p_ = nullptr;
};

// The system's text for a result code, without its closing blanks and full stop.
std::string resultText(HRESULT hr) {
    char* buffer = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n && buffer ? std::string(buffer, n) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty()) {
        char code[32];
        std::snprintf(code, sizeof code, "OLE error %.8lX", static_cast<unsigned long>(hr));
        text = code;
    }
    return text;
}

std::wstring wideText(const std::string& text) {
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 1u, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    return wide;
}

bool enumerateMode(std::uint32_t index, DEVMODEA& mode) {
    mode = DEVMODEA{};
    mode.dmSize = sizeof mode;
    return EnumDisplaySettingsA(nullptr, index, &mode) != 0;
}

} // namespace

void Win32Desktop::setActiveDesktop(bool on) {
    ComRef<IUnknown> object;
    HRESULT hr =
        CoCreateInstance(kActiveDesktopClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                         IID_IUnknown, object.out());
    if (FAILED(hr)) throw OleError(resultText(hr));
    ComRef<IActiveDesktop> desktop;
    if (FAILED(object->QueryInterface(kActiveDesktopInterface, desktop.out())))
        throw OleError("Interface not supported");
    // The interface's results are not looked at: a refused step leaves the desktop as it was.
    COMPONENTSOPT options{};
    options.dwSize = sizeof options;
    desktop->GetDesktopItemOptions(&options, 0);
    options.fActiveDesktop = on ? -1 : 0;
    desktop->SetDesktopItemOptions(&options, 0);
    desktop->ApplyChanges(AD_APPLY_SAVE | AD_APPLY_HTMLGEN | AD_APPLY_REFRESH | AD_APPLY_FORCE);
}

bool Win32Desktop::activeDesktopOn() {
    COMPONENTSOPT options{};
    options.dwSize = sizeof options;
    ComRef<IActiveDesktop> desktop;
    if (FAILED(CoCreateInstance(kActiveDesktopClass, nullptr, CLSCTX_INPROC_SERVER,
                                kActiveDesktopInterface, desktop.out())))
        return false;
    if (FAILED(desktop->GetDesktopItemOptions(&options, 0))) return false;
    return options.fActiveDesktop != 0;
}

bool Win32Desktop::createShortcut(const std::string& target, const std::string& linkFile,
                                  const std::string& description) {
    ComRef<IShellLinkA> link;
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkInterface,
                                link.out())))
        return false;
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(kPersistFileInterface, file.out()))) return false;
    file->Save(wideText(linkFile).c_str(), TRUE);
    return true;
}

bool Win32Desktop::showStartButton() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return false;
    HWND button = FindWindowExA(taskbar, nullptr, "Button", nullptr);
    if (!button) return false;
    ShowWindow(button, SW_SHOWNORMAL);
    return true;
}

ScreenFacts Win32Desktop::screen() {
    HDC dc = GetDC(nullptr);
    if (!dc) return {};
    ScreenFacts facts{GetDeviceCaps(dc, BITSPIXEL), GetDeviceCaps(dc, HORZRES),
                      GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, VREFRESH)};
    ReleaseDC(nullptr, dc);
    return facts;
}

std::optional<DisplayMode> Win32Desktop::displayMode(std::uint32_t index) {
    DEVMODEA mode;
    if (!enumerateMode(index, mode)) return std::nullopt;
    return DisplayMode{mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel,
                       mode.dmDisplayFrequency};
}

bool Win32Desktop::applyDisplayMode(std::uint32_t index) {
    DEVMODEA mode;
    if (!enumerateMode(index, mode)) return false;
    DWORD flags = changes_ == DisplayChanges::TestOnly ? CDS_TEST : CDS_UPDATEREGISTRY;
    return ChangeDisplaySettingsA(&mode, flags) == DISP_CHANGE_SUCCESSFUL;
}

void Win32Desktop::announceDisplayChange(const DisplayMode& mode) {
    if (changes_ == DisplayChanges::TestOnly) return;
    SendMessageA(HWND_BROADCAST, WM_DISPLAYCHANGE, mode.bitsPerPixel,
                 MAKELPARAM(mode.width, mode.height));
}

void Win32Desktop::broadcastSettingsChange() {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, SPI_SETNONCLIENTMETRICS, 0,
                        SMTO_ABORTIFHUNG, 10000, &result);
}

} // namespace platform
