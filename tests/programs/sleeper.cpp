// A program that only waits, for the process tests to start and end. It ends by itself after
// a few minutes, so a failed test leaves nothing running for long.
#include <chrono>
#include <thread>

int main() {
    std::this_thread::sleep_for(std::chrono::minutes(5));
}
