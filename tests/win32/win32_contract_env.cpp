#include "win32_contract_env.h"

#include <winsock2.h>

#include <windows.h>

#include <stdexcept>

namespace {

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "*.*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

// A socket bound to 127.0.0.1 on a port the system picks; its port in host order.
SOCKET boundSocket(std::uint16_t& port) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) throw std::runtime_error("no socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(s);
        throw std::runtime_error("cannot bind to 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return s;
}

} // namespace

Win32Env::~Win32Env() {
    if (listener_ != ~std::uintptr_t{0}) closesocket(static_cast<SOCKET>(listener_));
    if (socketsStarted_) WSACleanup();
    if (!scratch_.empty()) removeTree(scratch_);
}

std::string Win32Env::scratchFolder() {
    if (!scratch_.empty()) return scratch_;
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    scratch_ = std::string(temp) + "brelk-contract-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++counter) + "\\";
    removeTree(scratch_);
    if (!CreateDirectoryA(scratch_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + scratch_);
    return scratch_;
}

std::uint16_t Win32Env::listeningPort() {
    if (!socketsStarted_) {
        WSADATA data;
        socketsStarted_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    std::uint16_t port = 0;
    SOCKET s = boundSocket(port);
    if (listen(s, 8) != 0) {
        closesocket(s);
        throw std::runtime_error("cannot listen");
    }
    listener_ = static_cast<std::uintptr_t>(s);
    return port;
}

std::uint16_t Win32Env::closedPort() {
    if (!socketsStarted_) {
        WSADATA data;
        socketsStarted_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    std::uint16_t port = 0;
    closesocket(boundSocket(port)); // bound once, so the port is free but not in use
    return port;
}
