// Exception classes of the class library. Their messages are the library's usual English
// texts, which the application object shows when an exception escapes an event handler.
#pragma once

#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a number ("'abc' is not a valid integer value").
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// A picture file that cannot be decoded ("Bitmap image is not valid", "JPEG error #n").
class EInvalidGraphic : public Exception {
  public:
    using Exception::Exception;
};

// A component looked up by a name that the window does not have.
class EComponentError : public Exception {
  public:
    using Exception::Exception;
};

// A window layout (or a binary property inside it) that cannot be read.
class ELayoutError : public Exception {
  public:
    ELayoutError(int line, const std::string& what)
        : Exception(line > 0 ? "line " + std::to_string(line) + ": " + what : what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

} // namespace ui
