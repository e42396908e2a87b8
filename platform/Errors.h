#pragma once

#include <stdexcept>
#include <string>

// Every error the program raises carries its complete message, built where it is raised and
// never changed afterwards. The kinds let callers and tests tell the failures apart.
namespace platform {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class InvalidGraphicError : public Error {
public:
    using Error::Error;
};

// A JPEG fault reported by libjpeg; a kind of invalid graphic.
class JpegError : public InvalidGraphicError {
public:
    using InvalidGraphicError::InvalidGraphicError;
};

class FileOpenError : public Error {
public:
    using Error::Error;
    // A photograph that cannot be opened: its absolute path and the system's words for why.
    FileOpenError(const std::string& absolutePath, const std::string& systemText)
        : Error("Cannot open file \"" + absolutePath + "\". " + systemText)
    {
    }
};

class StreamReadError : public Error {
public:
    StreamReadError() : Error("Stream read error") {}
};

class OutOfResourcesError : public Error {
public:
    OutOfResourcesError() : Error("Out of system resources") {}
    using Error::Error;
};

class InvalidOperationError : public Error {
public:
    using Error::Error;
};

} // namespace platform
