// The runtime's exception classes, named and worded as Pascal programmers know them.
#pragma once

#include <exception>
#include <string>

// Root of every error the runtime library raises; the message is CP1251 text.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const std::string &Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char *what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define VL_DECLARE_EXCEPTION(Name, Base)  \
    class Name : public Base {            \
    public:                               \
        using Base::Base;                 \
    };

VL_DECLARE_EXCEPTION(EAbort, Exception)
VL_DECLARE_EXCEPTION(EConvertError, Exception)
VL_DECLARE_EXCEPTION(EListError, Exception)
VL_DECLARE_EXCEPTION(EStringListError, Exception)
VL_DECLARE_EXCEPTION(EInvalidOperation, Exception)
VL_DECLARE_EXCEPTION(EComponentError, Exception)
VL_DECLARE_EXCEPTION(EPropertyError, Exception)
VL_DECLARE_EXCEPTION(EStreamError, Exception)
VL_DECLARE_EXCEPTION(EFileStreamError, EStreamError)
VL_DECLARE_EXCEPTION(EFCreateError, EFileStreamError)
VL_DECLARE_EXCEPTION(EFOpenError, EFileStreamError)
VL_DECLARE_EXCEPTION(EFilerError, EStreamError)
VL_DECLARE_EXCEPTION(EReadError, EFilerError)
VL_DECLARE_EXCEPTION(EWriteError, EFilerError)
VL_DECLARE_EXCEPTION(EClassNotFound, EFilerError)
VL_DECLARE_EXCEPTION(EInvalidImage, EFilerError)
VL_DECLARE_EXCEPTION(EParserError, EConvertError)
// Raised by the data sets and the database engines (the engine's own message).
VL_DECLARE_EXCEPTION(EDatabaseError, Exception)
// An engine refused a statement or a connection; a statement gave no records where they were wanted.
VL_DECLARE_EXCEPTION(EDBEngineError, EDatabaseError)
VL_DECLARE_EXCEPTION(ENoResultSet, EDatabaseError)

// The message of any exception (runtime, interpreter, host or library); "Unknown exception"
// for what is no std::exception.
std::string VlExceptionMessage(const std::exception_ptr &error);

// printf-style formatting of message texts ("List index out of bounds (%d)").
std::string VlSprintf(const char *format, ...) __attribute__((format(printf, 1, 2)));
