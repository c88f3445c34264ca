#include "ui/input_controls.h"
#include "ui/win32/input_peers.h"

namespace ui::win32 {
namespace {

DWORD editStyle(const Edit& e) {
    DWORD style = WS_TABSTOP;
    if (e.readOnly()) style |= ES_READONLY;
    return style;
}

DWORD frameOf(const Edit& e) {
    return e.border() ? WS_EX_CLIENTEDGE : 0;
}

DWORD memoStyle(const Memo& m) {
    DWORD style = editStyle(m) | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (m.verticalScrollBar()) style |= WS_VSCROLL;
    if (m.horizontalScrollBar()) style |= WS_HSCROLL;
    if (!m.wordWrap() || m.horizontalScrollBar()) style |= ES_AUTOHSCROLL;
    return style;
}

DWORD lineStyle(const Edit& e) {
    DWORD style = editStyle(e) | ES_AUTOHSCROLL;
    if (e.passwordChar()) style |= ES_PASSWORD;
    return style;
}

} // namespace

EditPeer::EditPeer(Edit& e, Win32Backend& b) : EditPeer(e, b, lineStyle(e), e.text()) {}

EditPeer::EditPeer(Edit& e, Win32Backend& b, DWORD style, const std::string& text)
    : NativePeer(e, b), edit_(e) {
    applying_ = true;
    createNative("EDIT", style, frameOf(e), text.c_str());
    applying_ = false;
    clickOnMouseUp();
    // Without a length of its own the field takes any length: the system's default limit
    // (32767 characters) would also cut text the program adds line by line.
    if (hwnd_) SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(e.maxLength()), 0);
}

std::string EditPeer::windowText() const {
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
    return text;
}

void EditPeer::changed(Change what) {
    if (what == Change::Text && hwnd_) {
        applying_ = true;
        SetWindowTextA(hwnd_, edit_.text().c_str());
        applying_ = false;
        return;
    }
    NativePeer::changed(what);
}

LRESULT EditPeer::command(WORD code) {
    if (code == EN_CHANGE && !applying_) edit_.userChangedText(windowText());
    return 0;
}

MemoPeer::MemoPeer(Memo& m, Win32Backend& b)
    : EditPeer(m, b, memoStyle(m), m.visible() ? m.displayText() : std::string()), memo_(m) {
    if (m.visible()) {
        shownLines_ = m.lines().size();
        shownReplacements_ = m.replacements();
        stale_ = false;
    }
}

void MemoPeer::sync() {
    if (!hwnd_) return;
    if (!memo_.visible()) {
        stale_ = true; // caught up when the memo is shown
        return;
    }
    const auto& lines = memo_.lines();
    applying_ = true;
    if (!stale_ && memo_.replacements() == shownReplacements_ && lines.size() >= shownLines_) {
        // Only lines were added: put them after the end of the text.
        std::string added;
        for (std::size_t i = shownLines_; i < lines.size(); ++i) {
            if (i > 0) added += "\r\n";
            added += lines[i];
        }
        if (!added.empty()) {
            const int end = GetWindowTextLengthA(hwnd_);
            SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(end), end);
            SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
        }
    } else {
        SetWindowTextA(hwnd_, memo_.displayText().c_str());
    }
    applying_ = false;
    shownLines_ = lines.size();
    shownReplacements_ = memo_.replacements();
    stale_ = false;
}

void MemoPeer::changed(Change what) {
    switch (what) {
    case Change::Items:
        sync();
        return;
    case Change::Text:
        return; // a memo shows its lines
    case Change::Visible:
        if (memo_.visible() && stale_) sync();
        break;
    default:
        break;
    }
    EditPeer::changed(what);
}

LRESULT MemoPeer::command(WORD code) {
    if (code != EN_CHANGE || applying_ || stale_) return 0;
    const std::string text = windowText();
    // The window now holds the user's lines; set before the model runs the change handler,
    // which may add lines of its own.
    shownLines_ = text.empty() ? 0 : 1;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++shownLines_;
    }
    memo_.userChangedLines(text);
    return 0;
}

} // namespace ui::win32
