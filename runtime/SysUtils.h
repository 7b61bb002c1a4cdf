// Exceptions and small text helpers shared by the whole framework (no <windows.h>).
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

// Errors are exceptions; Message() is 8-bit text in the system code page (UTF-8 on the host).
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};
class EConvertError : public Exception { using Exception::Exception; };
class EStreamError : public Exception { using Exception::Exception; };
class EReadError : public EStreamError { using EStreamError::EStreamError; };
class EWriteError : public EStreamError { using EStreamError::EStreamError; };
class EClassNotFound : public EReadError { using EReadError::EReadError; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EOutOfResources : public Exception { using Exception::Exception; };
class EThread : public Exception { using Exception::Exception; };

// ASCII case-insensitive comparison, as names of classes, properties and enumeration members are compared.
bool SameText(std::string_view a, std::string_view b);
std::string LowerCase(std::string_view s);
std::string UpperCase(std::string_view s);

// Conversions between wide text and 8-bit text. "Ansi" is the system code page on Windows and UTF-8 on the host.
std::wstring WideFromAnsi(std::string_view text);
std::string AnsiFromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The accelerator character of a caption ("&Open" gives 'O'; "&&" is a plain '&'), upper-cased, or 0.
wchar_t AcceleratorOf(const std::wstring& caption);
