// Late-bound automation calls over IDispatch: every member is looked up by name just before its call,
// arguments go last first, the locale is 0, and a put sends its value as the single named argument
// DISPID_PROPERTYPUT. A failed call raises an OleError with the server's description or the
// system's text for the failure code.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>

#include "AppError.h"

class OleError : public AppError {
public:
    OleError(HRESULT code, const std::string& message) : AppError(message), code_(code) {}
    HRESULT code() const { return code_; }

private:
    HRESULT code_;
};

// An owned VARIANT.
class OleVariant {
public:
    OleVariant() { VariantInit(&v_); }
    explicit OleVariant(int value) : OleVariant() { v_.vt = VT_I4; v_.lVal = value; }
    explicit OleVariant(double value) : OleVariant() { v_.vt = VT_R8; v_.dblVal = value; }
    explicit OleVariant(bool value) : OleVariant() { v_.vt = VT_BOOL; v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; }
    explicit OleVariant(const std::wstring& text);
    OleVariant(const OleVariant&) = delete;
    OleVariant& operator=(const OleVariant&) = delete;
    OleVariant(OleVariant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    ~OleVariant() { VariantClear(&v_); }

    VARIANT* get() { return &v_; }
    const VARIANT& value() const { return v_; }

    // The value as a number; fails with the variant conversion error.
    double AsDouble() const;

private:
    VARIANT v_;
};

// A counted reference to an automation object.
class OleObject {
public:
    OleObject() = default;
    explicit OleObject(IDispatch* adopted) : p_(adopted) {}
    OleObject(const OleObject& other) : p_(other.p_) { if (p_) p_->AddRef(); }
    OleObject(OleObject&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    OleObject& operator=(OleObject other) noexcept { std::swap(p_, other.p_); return *this; }
    ~OleObject() { Release(); }

    void Release() { if (p_) { p_->Release(); p_ = nullptr; } }
    explicit operator bool() const { return p_ != nullptr; }

    // Creates the object of a programmatic identifier ("Excel.Application").
    static OleObject Create(const wchar_t* progId);

    // A member without arguments whose result is used: method or property get (flags 3).
    OleVariant Get(const wchar_t* name) const;
    OleObject GetObject(const wchar_t* name) const;
    // A read with indexes: property get (flags 2).
    OleObject GetIndexed(const wchar_t* name, std::initializer_list<int> indexes) const;
    // A method call (flags 1), arguments in the caller's order.
    OleVariant Call(const wchar_t* name, std::initializer_list<const OleVariant*> args = {}) const;
    // A property put (flags 4).
    void Put(const wchar_t* name, const OleVariant& value) const;

private:
    OleVariant Invoke(const wchar_t* name, WORD flags, VARIANT* argsLastFirst, UINT count, bool namedPut) const;

    IDispatch* p_ = nullptr;
};

// The object in a variant that a call returned; fails when it holds none (Excel's Nothing).
OleObject ObjectOf(OleVariant&& result, const wchar_t* member);

// The system's text for an HRESULT, or "OLE error 8007000E" when it has none.
std::string SystemErrorText(HRESULT code);
