#include "ui/win32/win32_dialogs.h"

#include "ui/win32/picture_preview.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace ui::win32 {
namespace {

// The dialogs belong to the window the user works in.
HWND owner() {
    HWND w = GetActiveWindow();
    return w ? w : GetForegroundWindow();
}

// "Text|*.x|All|*.*" becomes the double-zero-terminated list the dialogs expect.
std::vector<char> filterList(const std::string& filter) {
    std::vector<char> out(filter.begin(), filter.end());
    for (char& c : out) {
        if (c == '|') c = '\0';
    }
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

// Reports each selection change of an open dialog to the options' callbacks, and paints a
// picture picker's preview. The hook is a child dialog of the file dialog; its WM_INITDIALOG
// carries the OPENFILENAME.
UINT_PTR CALLBACK selectionHook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hook, DWLP_USER, reinterpret_cast<const OPENFILENAMEA*>(lp)->lCustData);
        return TRUE;
    }
    if (msg == WM_DRAWITEM) return drawPreview(hook, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    if (msg == WM_DESTROY) endPreview(hook);
    if (msg != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lp)->code != CDN_SELCHANGE) return 0;
    auto* o = reinterpret_cast<const FileDialogOptions*>(GetWindowLongPtrA(hook, DWLP_USER));
    std::vector<char> path(MAX_PATH * 4, '\0');
    const LRESULT n = SendMessageA(GetParent(hook), CDM_GETFILEPATH, path.size(),
                                   reinterpret_cast<LPARAM>(path.data()));
    // The callbacks show their own errors; nothing may unwind through the dialog's code.
    if (!o || n <= 0) return 0;
    const std::string selected(path.data());
    try {
        if (o->selectionChanged) o->selectionChanged(selected);
        if (o->preview) {
            const auto picture = o->preview(selected);
            showPreview(hook, picture.get());
        }
    } catch (...) {
    }
    return 0;
}

std::optional<std::string> fileDialog(const FileDialogOptions& o, bool save) {
    std::vector<char> name(MAX_PATH * 4, '\0');
    o.fileName.copy(name.data(), name.size() - 1);
    const auto filter = filterList(o.filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner();
    ofn.lpstrFilter = o.filter.empty() ? nullptr : filter.data();
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = o.initialDir.empty() ? nullptr : o.initialDir.c_str();
    ofn.lpstrTitle = o.title.empty() ? nullptr : o.title.c_str();
    ofn.lpstrDefExt = o.defaultExt.empty() ? nullptr : o.defaultExt.c_str();
    // The program's own paths never depend on the current folder; the dialog leaves it be.
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!save && (o.selectionChanged || o.preview)) {
        ofn.Flags |= OFN_ENABLEHOOK;
        ofn.lpfnHook = selectionHook;
        ofn.lCustData = reinterpret_cast<LPARAM>(&o);
    }
    HGLOBAL preview = !save && o.preview ? previewTemplate() : nullptr;
    if (preview) {
        ofn.Flags |= OFN_ENABLETEMPLATEHANDLE;
        ofn.hInstance = static_cast<HINSTANCE>(preview);
    }
    const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (preview) GlobalFree(preview);
    if (!ok) return std::nullopt;
    return std::string(name.data());
}

} // namespace

int Win32Dialogs::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxA(owner(), text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

std::optional<std::string> Win32Dialogs::openFile(const FileDialogOptions& o) {
    return fileDialog(o, false);
}

std::optional<std::string> Win32Dialogs::saveFile(const FileDialogOptions& o) {
    return fileDialog(o, true);
}

std::optional<std::string> Win32Dialogs::browseFolder(const std::string& title, int root) {
    // Item lists the shell hands out go back through the shell's allocator.
    IMalloc* shellMalloc = nullptr;
    if (FAILED(SHGetMalloc(&shellMalloc))) return std::nullopt;
    LPITEMIDLIST rootItem = nullptr;
    const HWND parent = owner();
    if (FAILED(SHGetSpecialFolderLocation(parent, root, &rootItem))) {
        shellMalloc->Release();
        return std::nullopt;
    }
    char path[MAX_PATH] = {}, displayName[MAX_PATH] = {};
    BROWSEINFOA bi{};
    bi.hwndOwner = parent;
    bi.pidlRoot = rootItem;
    bi.pszDisplayName = displayName;
    bi.lpszTitle = title.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = SHBrowseForFolderA(&bi);
    const BOOL ok = item && SHGetPathFromIDListA(item, path);
    if (item) shellMalloc->Free(item);
    shellMalloc->Free(rootItem);
    shellMalloc->Release();
    if (!ok) return std::nullopt;
    return std::string(path);
}

} // namespace ui::win32
