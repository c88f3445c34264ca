// Every case of the Win32 suite runs under a watchdog. The cases drive COM, real dialogs,
// sockets and the script control, and a wait that never returns in any of them would
// otherwise stop the suite until ctest's timeout ends it without saying where. A case that has
// not ended after its time limit makes the watchdog print the case's name and end the test
// program with exit code 3; the suite's own output names each case as it starts.
//
// The limit is BRELK_CASE_TIMEOUT seconds (default 120, far above the slowest case under
// emulation). Once the limit has passed, the watchdog neither allocates nor goes through the C
// runtime's streams: the stuck thread may hold the heap's or a stream's lock.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int kExitTimedOut = 3;
constexpr DWORD kDefaultLimitSeconds = 120;

DWORD limitMilliseconds() {
    const char* text = std::getenv("BRELK_CASE_TIMEOUT");
    if (text != nullptr) {
        char* end = nullptr;
        const unsigned long seconds = std::strtoul(text, &end, 10);
        if (end != text && *end == '\0' && seconds > 0 && seconds <= 86400) return seconds * 1000;
    }
    return kDefaultLimitSeconds * 1000;
}

// Beside the cases' own output, which goes to standard output too.
void writeAll(DWORD which, const char* text) {
    HANDLE out = GetStdHandle(which);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(out, text, lstrlenA(text), &written, nullptr);
    FlushFileBuffers(out);
}

class CaseWatchdog : public ::testing::EmptyTestEventListener {
  public:
    CaseWatchdog() : limit_(limitMilliseconds()) {
        InitializeCriticalSection(&lock_);
        thread_ = CreateThread(nullptr, 0, &CaseWatchdog::watch, this, 0, nullptr);
    }

    void OnTestStart(const ::testing::TestInfo& info) override {
        const std::string name = std::string(info.test_suite_name()) + "." + info.name();
        EnterCriticalSection(&lock_);
        const std::size_t n = std::min(name.size(), sizeof name_ - 1);
        name.copy(name_, n);
        name_[n] = '\0';
        started_ = GetTickCount();
        running_ = true;
        LeaveCriticalSection(&lock_);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        EnterCriticalSection(&lock_);
        running_ = false;
        LeaveCriticalSection(&lock_);
    }

  private:
    static DWORD WINAPI watch(void* self) {
        auto& dog = *static_cast<CaseWatchdog*>(self);
        for (;;) {
            Sleep(500);
            // The lock is only ever held for a moment by the thread that runs the cases.
            EnterCriticalSection(&dog.lock_);
            // The difference of two tick counts stays right when the count wraps.
            const bool expired = dog.running_ && GetTickCount() - dog.started_ >= dog.limit_;
            char line[sizeof dog.name_ + 80];
            if (expired) {
                wsprintfA(line, "\nwatchdog: %s did not end within %u s; ending the test program\n",
                          dog.name_, static_cast<unsigned>(dog.limit_ / 1000));
            }
            LeaveCriticalSection(&dog.lock_);
            if (!expired) continue;
            writeAll(STD_OUTPUT_HANDLE, line);
            TerminateProcess(GetCurrentProcess(), kExitTimedOut);
            ExitProcess(kExitTimedOut);
        }
    }

    const DWORD limit_;
    CRITICAL_SECTION lock_;
    char name_[400] = {};
    DWORD started_ = 0;
    bool running_ = false;
    HANDLE thread_ = nullptr;
};

// Registered before main: gtest_main runs the cases with every listener appended by then.
struct Registration {
    Registration() { ::testing::UnitTest::GetInstance()->listeners().Append(new CaseWatchdog); }
} registration;

} // namespace
