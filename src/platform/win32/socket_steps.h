// The steps of a TCP connection over a non-blocking Windows socket on the calling (window)
// thread: every wait is cut into slices of 50 ms, between which the status keeps the window
// alive and may cancel.
#pragma once

#include "platform/network.h"

#include <winsock2.h>

#include <chrono>
#include <optional>
#include <string>

namespace platform {

using SteadyClock = std::chrono::steady_clock;

// Starts the sockets library (version 1.1) for the lifetime of one operation.
class SocketsSession {
  public:
    SocketsSession();
    ~SocketsSession();
    SocketsSession(const SocketsSession&) = delete;
    SocketsSession& operator=(const SocketsSession&) = delete;
    bool started() const { return started_; }

  private:
    bool started_ = false;
};

// Closes a socket when it goes out of scope.
class Socket {
  public:
    Socket();
    ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    SOCKET get() const { return s_; }
    bool valid() const { return s_ != INVALID_SOCKET; }

  private:
    SOCKET s_;
};

enum class Ready { yes, failed, timedOut, cancelled };

// Waits until the socket can be written (or read) or has failed, at most until the deadline.
Ready waitFor(SOCKET s, bool write, SteadyClock::time_point deadline, DownloadStatus* status);

// Makes the socket non-blocking and connects it, waiting at most until the deadline.
bool connectBefore(SOCKET s, const sockaddr_in& target, SteadyClock::time_point deadline,
                   DownloadStatus* status);

// The IPv4 address of a dotted address or host name (the system's name lookup) and port.
std::optional<sockaddr_in> socketTarget(const std::string& host, std::uint16_t port);

// Sends all bytes, each wait at most the quiet limit and never past the deadline.
bool sendAll(SOCKET s, const std::string& bytes, std::chrono::milliseconds quiet,
             SteadyClock::time_point deadline, DownloadStatus* status);

SteadyClock::time_point earlier(SteadyClock::time_point a, SteadyClock::time_point b);

} // namespace platform
