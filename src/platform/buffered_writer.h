// Collects small pieces of output in a fixed buffer and hands them to a file in large writes,
// so that writing a long text costs few system calls and no more memory than the buffer.
#pragma once

#include "platform/file_system.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

class BufferedWriter {
  public:
    static constexpr std::size_t kDefaultCapacity = 64 * 1024;

    explicit BufferedWriter(FileWriter& file, std::size_t capacity = kDefaultCapacity);
    // Writes what is left; a failure there goes unnoticed, so call flush() to learn of it.
    ~BufferedWriter();
    BufferedWriter(const BufferedWriter&) = delete;
    BufferedWriter& operator=(const BufferedWriter&) = delete;

    void write(std::string_view text);
    void put(char c) {
        if (buffer_.size() == capacity_) drain();
        buffer_.push_back(c);
    }
    // Hands the buffer to the file; false once any write has failed.
    bool flush();
    bool failed() const { return failed_; }

  private:
    void drain();

    FileWriter& file_;
    std::size_t capacity_;
    std::string buffer_;
    bool failed_ = false;
};

} // namespace platform
