#include "OleDispatch.h"

#include <cstdio>
#include <vector>

#include "runtime/SysUtils.h"

namespace {

// Error texts travel as 8-bit text in the system's code page, like every framework message.
std::string Narrow(std::wstring_view text) { return AnsiFromWide(text); }

std::wstring TrimEnd(std::wstring text) {
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return text;
}

[[noreturn]] void Fail(HRESULT code, EXCEPINFO* info) {
    if (code == DISP_E_EXCEPTION && info != nullptr) {
        if (info->pfnDeferredFillIn != nullptr) info->pfnDeferredFillIn(info);
        const HRESULT scode = info->scode != 0 ? info->scode : code;
        std::wstring description = info->bstrDescription ? std::wstring(info->bstrDescription) : std::wstring();
        SysFreeString(info->bstrDescription);
        SysFreeString(info->bstrSource);
        SysFreeString(info->bstrHelpFile);
        if (!description.empty()) throw OleError(scode, Narrow(description));
        throw OleError(scode, SystemErrorText(scode));
    }
    throw OleError(code, SystemErrorText(code));
}

} // namespace

std::string SystemErrorText(HRESULT code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length != 0 && buffer != nullptr ? TrimEnd(buffer) : std::wstring();
    if (buffer != nullptr) LocalFree(buffer);
    if (!text.empty()) return Narrow(text);
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "OLE error %08lX", static_cast<unsigned long>(code));
    return fallback;
}

OleVariant::OleVariant(const std::wstring& text) : OleVariant() {
    v_.vt = VT_BSTR;
    v_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (v_.bstrVal == nullptr) throw OleError(E_OUTOFMEMORY, SystemErrorText(E_OUTOFMEMORY));
}

double OleVariant::AsDouble() const {
    VARIANT number;
    VariantInit(&number);
    const HRESULT hr = VariantChangeType(&number, const_cast<VARIANT*>(&v_), 0, VT_R8);
    if (FAILED(hr)) throw OleError(hr, "Could not convert variant of type (" + std::to_string(v_.vt) + ") into type (Double)");
    return number.dblVal;
}

OleObject OleObject::Create(const wchar_t* progId) {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr)) throw OleError(hr, SystemErrorText(hr));
    IDispatch* dispatch = nullptr;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                          reinterpret_cast<void**>(&dispatch));
    if (FAILED(hr)) throw OleError(hr, SystemErrorText(hr));
    return OleObject(dispatch);
}

OleVariant OleObject::Invoke(const wchar_t* name, WORD flags, VARIANT* argsLastFirst, UINT count, bool namedPut) const {
    if (p_ == nullptr) throw OleError(E_POINTER, "Variant does not reference an automation object");
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = p_->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    if (FAILED(hr)) {
        // The usual wording for a member the object does not have.
        if (hr == DISP_E_UNKNOWNNAME) throw OleError(hr, "Method '" + Narrow(name) + "' not supported by automation object");
        Fail(hr, nullptr);
    }
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{argsLastFirst, namedPut ? &putId : nullptr, count, namedPut ? 1u : 0u};
    OleVariant result;
    EXCEPINFO info{};
    UINT argError = 0;
    hr = p_->Invoke(id, IID_NULL, 0, flags, &params, namedPut ? nullptr : result.get(), &info, &argError);
    if (FAILED(hr)) Fail(hr, &info);
    return result;
}

OleVariant OleObject::Get(const wchar_t* name) const {
    return Invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, 0, false);
}

OleObject OleObject::GetObject(const wchar_t* name) const { return ObjectOf(Get(name), name); }

OleObject OleObject::GetIndexed(const wchar_t* name, std::initializer_list<int> indexes) const {
    std::vector<VARIANT> args(indexes.size());
    size_t slot = indexes.size();
    for (int index : indexes) { // last argument first
        --slot;
        VariantInit(&args[slot]);
        args[slot].vt = VT_I4;
        args[slot].lVal = index;
    }
    return ObjectOf(Invoke(name, DISPATCH_PROPERTYGET, args.data(), static_cast<UINT>(args.size()), false), name);
}

OleVariant OleObject::Call(const wchar_t* name, std::initializer_list<const OleVariant*> args) const {
    // Shallow copies: the variants stay owned by the caller, Invoke does not free its arguments.
    std::vector<VARIANT> lastFirst(args.size());
    size_t slot = args.size();
    for (const OleVariant* arg : args) lastFirst[--slot] = arg->value();
    return Invoke(name, DISPATCH_METHOD, lastFirst.data(), static_cast<UINT>(lastFirst.size()), false);
}

void OleObject::Put(const wchar_t* name, const OleVariant& value) const {
    VARIANT arg = value.value();
    Invoke(name, DISPATCH_PROPERTYPUT, &arg, 1, true);
}

OleObject ObjectOf(OleVariant&& result, const wchar_t* member) {
    VARIANT& v = *result.get();
    IDispatch* dispatch = nullptr;
    if (v.vt == VT_DISPATCH) dispatch = v.pdispVal;
    else if (v.vt == (VT_DISPATCH | VT_BYREF) && v.ppdispVal != nullptr) dispatch = *v.ppdispVal;
    else if (v.vt == VT_UNKNOWN && v.punkVal != nullptr) {
        IDispatch* queried = nullptr;
        if (SUCCEEDED(v.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&queried)))) return OleObject(queried);
    }
    if (dispatch == nullptr)
        throw OleError(E_POINTER, "Variant does not reference an automation object (" + Narrow(member) + ")");
    dispatch->AddRef();
    return OleObject(dispatch);
}
