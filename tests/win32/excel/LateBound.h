// A minimal late-bound automation client for the stand-in tests: every call looks its member up
// by name and invokes it with the flags the import job uses.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

namespace grv::test {

// An owned VARIANT built from a plain value.
class Value {
public:
    Value() { VariantInit(&v_); }
    Value(int i) : Value() { V_VT(&v_) = VT_I4; V_I4(&v_) = i; }
    Value(double d) : Value() { V_VT(&v_) = VT_R8; V_R8(&v_) = d; }
    Value(bool b) : Value() { V_VT(&v_) = VT_BOOL; V_BOOL(&v_) = b ? VARIANT_TRUE : VARIANT_FALSE; }
    Value(const wchar_t* s) : Value() { V_VT(&v_) = VT_BSTR; V_BSTR(&v_) = SysAllocString(s); }
    Value(const std::wstring& s) : Value(s.c_str()) {}
    Value(const Value& other) : Value() { VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)); }
    Value(Value&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    Value& operator=(Value other) { std::swap(v_, other.v_); return *this; }
    ~Value() { VariantClear(&v_); }
    static Value take(VARIANT& raw) { Value out; out.v_ = raw; VariantInit(&raw); return out; }

    VARIANT& raw() { return v_; }
    const VARIANT& raw() const { return v_; }
    VARTYPE type() const { return V_VT(&v_); }
    double number() const {
        VARIANT out; VariantInit(&out);
        if (FAILED(VariantChangeType(&out, const_cast<VARIANT*>(&v_), 0, VT_R8))) return -1e300;
        return V_R8(&out);
    }
    IDispatch* dispatch() const { return V_VT(&v_) == VT_DISPATCH ? V_DISPATCH(&v_) : nullptr; }

private:
    VARIANT v_;
};

struct CallResult {
    HRESULT hr = E_FAIL;
    Value result;
    std::wstring description;  // from EXCEPINFO
    UINT argError = ~0u;
    bool ok() const { return SUCCEEDED(hr); }
};

class Object {
public:
    Object() = default;
    explicit Object(IDispatch* p, bool addRef = true) : p_(p) { if (p_ && addRef) p_->AddRef(); }
    Object(const Object& o) : Object(o.p_) {}
    Object(Object&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    Object& operator=(Object o) { std::swap(p_, o.p_); return *this; }
    ~Object() { reset(); }
    void reset() { if (p_) p_->Release(); p_ = nullptr; }
    explicit operator bool() const { return p_ != nullptr; }
    IDispatch* get() const { return p_; }

    static Object create(const wchar_t* progId, HRESULT* hr = nullptr) {
        CLSID clsid;
        HRESULT h = CLSIDFromProgID(progId, &clsid);
        IDispatch* p = nullptr;
        if (SUCCEEDED(h)) h = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(&p));
        if (hr) *hr = h;
        return Object(p, false);
    }

    // Raw invoke; args in the caller's order (first argument first).
    CallResult invoke(const wchar_t* name, WORD flags, std::vector<Value> args = {}) const {
        CallResult out;
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        out.hr = p_->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
        if (FAILED(out.hr)) return out;
        std::vector<VARIANT> reversed;
        for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->raw());
        DISPID putId = DISPID_PROPERTYPUT;
        DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            params.rgdispidNamedArgs = &putId;
            params.cNamedArgs = 1;
        }
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO exception{};
        out.hr = p_->Invoke(id, IID_NULL, 0, flags, &params, &result, &exception, &out.argError);
        out.result = Value::take(result);
        if (exception.bstrDescription) out.description = exception.bstrDescription;
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrHelpFile);
        return out;
    }

    // The job's kinds of call.
    CallResult read(const wchar_t* name) const { return invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET); }
    CallResult readAt(const wchar_t* name, std::vector<Value> index) const {
        return invoke(name, DISPATCH_PROPERTYGET, std::move(index));
    }
    CallResult call(const wchar_t* name, std::vector<Value> args = {}) const { return invoke(name, DISPATCH_METHOD, std::move(args)); }
    CallResult write(const wchar_t* name, Value value) const { return invoke(name, DISPATCH_PROPERTYPUT, {std::move(value)}); }

    // Shorthands that expect success.
    Object object(const wchar_t* name, std::vector<Value> index = {}) const {
        CallResult r = index.empty() ? read(name) : readAt(name, std::move(index));
        return r.ok() ? Object(r.result.dispatch()) : Object();
    }
    double number(const wchar_t* name) const { return read(name).result.number(); }

private:
    IDispatch* p_ = nullptr;
};

}  // namespace grv::test
