#pragma once

#include <exception>

#include "toolkit/ZString.h"

// The toolkit's failure: a text and a code, thrown by value and caught by reference.
class ZException : public std::exception {
public:
    ZException(ZString message, int code) : message_(std::move(message)), code_(code) {}

    const ZString& getMessage() const { return message_; }
    int getCode() const { return code_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    ZString message_;
    int code_;
};

// A file that does not exist or may not be opened.
class ZFileNotFoundException : public ZException {
public:
    using ZException::ZException;
};

// A picture that cannot be read or written.
class ZBitmapException : public ZException {
public:
    using ZException::ZException;
};
