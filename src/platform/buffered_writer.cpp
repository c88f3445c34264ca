#include "platform/buffered_writer.h"

#include <algorithm>

namespace platform {

BufferedWriter::BufferedWriter(FileWriter& file, std::size_t capacity)
    : file_(file), capacity_(capacity == 0 ? 1 : capacity) {
    buffer_.reserve(capacity_);
}

BufferedWriter::~BufferedWriter() {
    flush();
}

void BufferedWriter::write(std::string_view text) {
    while (!text.empty()) {
        if (buffer_.size() == capacity_) drain();
        std::size_t n = std::min(text.size(), capacity_ - buffer_.size());
        buffer_.append(text.substr(0, n));
        text.remove_prefix(n);
    }
}

void BufferedWriter::drain() {
    // After a failed write the rest is dropped: the file ends where the failure happened.
    if (!failed_ && !file_.write(buffer_)) failed_ = true;
    buffer_.clear();
}

bool BufferedWriter::flush() {
    if (!buffer_.empty()) drain();
    return !failed_;
}

} // namespace platform
