// Shared by the contract tests, which run the same cases against the in-memory platform and
// the Win32 platform. A translation unit that includes a contract header first defines
// `ContractEnvs`, a ::testing::Types list of environment classes. An environment offers:
//   platform::Platform& platform();
//   void isolateRegistry();          // from here on, registry roots point into a sandbox
//   std::string scratchFolder();     // a fresh empty folder, with trailing backslash
//   std::uint16_t listeningPort();   // a TCP port on 127.0.0.1 that accepts connections
//   std::uint16_t closedPort();      // a TCP port on 127.0.0.1 that refuses them
//   std::string testProgramFolder(); // the folder that holds sleeper.exe
#pragma once

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace contract {

// Polls until the condition holds; Wine processes take a while to start and end.
inline bool waitFor(const std::function<bool()>& condition,
                    std::chrono::seconds timeout = std::chrono::seconds(120)) {
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// The attributes that both platforms keep; Wine always reports the archive bit of a file.
inline std::uint32_t keptAttributes(std::uint32_t attributes) {
    namespace attr = platform::fileattr;
    return attributes & (attr::readOnly | attr::hidden | attr::system | attr::directory);
}

inline std::string folderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

inline bool isInside(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '\\';
}

// A recursive file list is in tree order when each folder's own files come before the files
// of its sub folders and the files of each folder's tree stand together.
inline void expectTreeOrder(const std::vector<std::string>& list) {
    for (std::size_t i = 0; i < list.size(); ++i)
        for (std::size_t j = i + 1; j < list.size(); ++j)
            EXPECT_FALSE(isInside(folderOf(list[i]), folderOf(list[j])))
                << list[j] << " comes after " << list[i] << " of its sub folder";
    for (const auto& path : list) {
        std::string folder = folderOf(path);
        std::size_t first = list.size(), last = 0;
        for (std::size_t k = 0; k < list.size(); ++k)
            if (folderOf(list[k]) == folder || isInside(list[k], folder)) {
                first = std::min(first, k);
                last = k;
            }
        for (std::size_t k = first; k <= last; ++k)
            EXPECT_TRUE(folderOf(list[k]) == folder || isInside(list[k], folder))
                << "the files of " << folder << " are split by " << list[k];
    }
}

} // namespace contract
