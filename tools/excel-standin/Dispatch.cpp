#include "Dispatch.h"

#include "JsonWriter.h"
#include "Server.h"
#include "WideText.h"

#include <cstdio>
#include <cwchar>
#include <new>
#include <set>

namespace grv::standin {

namespace {

// Our live objects: a dispatch pointer that a client passes in may be anything (a proxy, say).
std::set<const IDispatch*>& liveObjects() {
    static std::set<const IDispatch*> objects;
    return objects;
}

DispatchObject* ours(IDispatch* object) {
    return liveObjects().count(object) ? static_cast<DispatchObject*>(object) : nullptr;
}

// Excel's code for a failure inside a member (its run-time error 1004).
constexpr SCODE kMemberFailureCode = static_cast<SCODE>(0x800A03EC);

std::string hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

std::string typeName(VARTYPE type) {
    static const std::map<VARTYPE, const char*> names = {
        {VT_EMPTY, "VT_EMPTY"}, {VT_NULL, "VT_NULL"}, {VT_I2, "VT_I2"}, {VT_I4, "VT_I4"},
        {VT_R4, "VT_R4"}, {VT_R8, "VT_R8"}, {VT_CY, "VT_CY"}, {VT_DATE, "VT_DATE"},
        {VT_BSTR, "VT_BSTR"}, {VT_DISPATCH, "VT_DISPATCH"}, {VT_ERROR, "VT_ERROR"}, {VT_BOOL, "VT_BOOL"},
        {VT_VARIANT, "VT_VARIANT"}, {VT_UNKNOWN, "VT_UNKNOWN"}, {VT_DECIMAL, "VT_DECIMAL"}, {VT_I1, "VT_I1"},
        {VT_UI1, "VT_UI1"}, {VT_UI2, "VT_UI2"}, {VT_UI4, "VT_UI4"}, {VT_I8, "VT_I8"}, {VT_UI8, "VT_UI8"},
        {VT_INT, "VT_INT"}, {VT_UINT, "VT_UINT"}};
    std::string prefix = (type & VT_BYREF) ? "VT_BYREF|" : "";
    if (type & VT_ARRAY) prefix += "VT_ARRAY|";
    auto it = names.find(type & VT_TYPEMASK);
    return prefix + (it != names.end() ? it->second : std::to_string(type & VT_TYPEMASK));
}

void writeVariant(JsonWriter& json, const VARIANT& raw) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(VariantCopyInd(&value, const_cast<VARIANT*>(&raw)))) {
        json.value(typeName(V_VT(&raw)));
        return;
    }
    switch (V_VT(&value)) {
    case VT_EMPTY: case VT_NULL: json.null(); break;
    case VT_BSTR: json.value(toUtf8(V_BSTR(&value) ? std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value))) : L"")); break;
    case VT_BOOL: json.value(V_BOOL(&value) != VARIANT_FALSE); break;
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_I8: case VT_UI8: {
        VARIANT wide;
        VariantInit(&wide);
        if (SUCCEEDED(VariantChangeType(&wide, &value, 0, VT_I8))) json.value(static_cast<long long>(V_I8(&wide)));
        else json.value(typeName(V_VT(&value)));
        break;
    }
    case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_DECIMAL: {
        VARIANT real;
        VariantInit(&real);
        if (SUCCEEDED(VariantChangeType(&real, &value, 0, VT_R8))) json.value(V_R8(&real));
        else json.value(typeName(V_VT(&value)));
        break;
    }
    case VT_DISPATCH: {
        DispatchObject* object = ours(V_DISPATCH(&value));
        if (!V_DISPATCH(&value)) json.null();
        else if (!object) json.value("IDispatch");
        else json.beginObject().key("object").value(toUtf8(object->className())).key("ref").value(toUtf8(object->ref())).endObject();
        break;
    }
    case VT_ERROR: json.beginObject().key("error").value(hex(V_ERROR(&value))).endObject(); break;
    default: json.value(typeName(V_VT(&value)));
    }
    VariantClear(&value);
}

const char* kindName(CallKind kind) {
    switch (kind) {
    case CallKind::Method: return "method";
    case CallKind::Get: return "get";
    case CallKind::Put: return "put";
    case CallKind::PutRef: return "putref";
    }
    return "";
}

}  // namespace

// Args ----------------------------------------------------------------------------------------------

Args::Args(const DISPPARAMS* params, unsigned positional) : values_(positional) {
    // The dispatch convention stores the last argument first.
    for (unsigned i = 0; i < positional; ++i) {
        VariantInit(&values_[i]);
        const VARIANT& source = params->rgvarg[params->cArgs - 1 - i];
        if (FAILED(VariantCopyInd(&values_[i], const_cast<VARIANT*>(&source)))) throw ArgumentFailure{DISP_E_TYPEMISMATCH, i};
    }
}

Args::~Args() {
    for (auto& value : values_) VariantClear(&value);
}

VARIANT Args::converted(size_t i, VARTYPE type) const {
    const VARIANT& value = values_[i];
    unsigned index = static_cast<unsigned>(i);
    if (V_VT(&value) == VT_ERROR && V_ERROR(&value) == DISP_E_PARAMNOTFOUND)
        throw ArgumentFailure{DISP_E_PARAMNOTOPTIONAL, index};
    // An object is never taken for its default value here.
    if (V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN || (V_VT(&value) & VT_ARRAY))
        throw ArgumentFailure{DISP_E_TYPEMISMATCH, index};
    VARIANT out;
    VariantInit(&out);
    HRESULT hr = VariantChangeType(&out, const_cast<VARIANT*>(&value), 0, type);
    if (FAILED(hr)) throw ArgumentFailure{hr == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH, index};
    return out;
}

int Args::integer(size_t i) const {
    VARIANT value = converted(i, VT_I4);
    return V_I4(&value);
}

double Args::number(size_t i) const {
    VARIANT value = converted(i, VT_R8);
    return V_R8(&value);
}

bool Args::boolean(size_t i) const {
    VARIANT value = converted(i, VT_BOOL);
    return V_BOOL(&value) != VARIANT_FALSE;
}

std::wstring Args::text(size_t i) const {
    VARIANT value = converted(i, VT_BSTR);
    std::wstring out(V_BSTR(&value) ? V_BSTR(&value) : L"", V_BSTR(&value) ? SysStringLen(V_BSTR(&value)) : 0);
    VariantClear(&value);
    return out;
}

// Results -------------------------------------------------------------------------------------------

void setObject(VARIANT& result, DispatchObject* object) {
    V_VT(&result) = VT_DISPATCH;
    V_DISPATCH(&result) = object;
}
void setNothing(VARIANT& result) {
    V_VT(&result) = VT_DISPATCH;
    V_DISPATCH(&result) = nullptr;
}
void setNumber(VARIANT& result, double value) {
    V_VT(&result) = VT_R8;
    V_R8(&result) = value;
}
void setInteger(VARIANT& result, int value) {
    V_VT(&result) = VT_I4;
    V_I4(&result) = value;
}
void setBoolean(VARIANT& result, bool value) {
    V_VT(&result) = VT_BOOL;
    V_BOOL(&result) = value ? VARIANT_TRUE : VARIANT_FALSE;
}
void setNull(VARIANT& result) { V_VT(&result) = VT_NULL; }

// DispatchObject ------------------------------------------------------------------------------------

DispatchObject::DispatchObject() {
    liveObjects().insert(this);
    server().objectCreated();
}

DispatchObject::~DispatchObject() {
    liveObjects().erase(this);
    server().objectReleased();
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef() { return InterlockedIncrement(&refs_); }

ULONG DispatchObject::Release() {
    ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !names[0] || !ids || count == 0) return E_INVALIDARG;
    const auto& table = members();
    HRESULT hr = S_OK;
    ids[0] = DISPID_UNKNOWN;
    for (size_t i = 0; i < table.size(); ++i) {
        if (_wcsicmp(table[i].name, names[0]) == 0) {
            ids[0] = static_cast<DISPID>(i + 1);
            spelling_[ids[0]] = names[0];
            break;
        }
    }
    if (ids[0] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    // Named arguments are not offered.
    for (UINT i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        hr = DISP_E_UNKNOWNNAME;
    }
    if (ids[0] == DISPID_UNKNOWN) {
        Server& s = server();
        if (s.log.enabled()) {
            JsonWriter json;
            json.beginObject()
                .key("pid").value(static_cast<long long>(GetCurrentProcessId()))
                .key("object").value(toUtf8(className()))
                .key("ref").value(toUtf8(ref()))
                .key("member").value(toUtf8(names[0] ? names[0] : L""))
                .key("kind").value("lookup")
                .key("error").beginObject().key("hresult").value(hex(DISP_E_UNKNOWNNAME)).endObject()
                .endObject();
            s.log.write(json.text());
        }
    }
    return hr;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* exception, UINT* argError) {
    Server& s = server();
    long seq = ++s.calls;
    const auto& table = members();
    const Member* member = id >= 1 && static_cast<size_t>(id) <= table.size() ? &table[id - 1] : nullptr;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (!params) params = &none;

    CallKind kind = CallKind::Method;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
        kind = (flags & DISPATCH_PROPERTYPUT) ? CallKind::Put : CallKind::PutRef;
    else if ((flags & DISPATCH_PROPERTYGET) && member && member->get)
        kind = CallKind::Get;
    else if (!(flags & DISPATCH_METHOD) && (flags & DISPATCH_PROPERTYGET))
        kind = CallKind::Get;

    std::string memberName = member ? toUtf8(member->name) : std::string("#");
    if (!member) memberName += std::to_string(id);
    JsonWriter json;
    json.beginObject()
        .key("pid").value(static_cast<long long>(GetCurrentProcessId()))
        .key("seq").value(static_cast<long long>(seq))
        .key("object").value(toUtf8(className()))
        .key("ref").value(toUtf8(ref()))
        .key("member").value(memberName);
    if (member) {
        auto spelled = spelling_.find(id);
        if (spelled != spelling_.end() && spelled->second != member->name)
            json.key("name").value(toUtf8(spelled->second));
    }
    json.key("kind").value(kindName(kind)).key("flags").value(static_cast<int>(flags));
    json.key("args").beginArray();
    for (UINT i = 0; i < params->cArgs; ++i) writeVariant(json, params->rgvarg[params->cArgs - 1 - i]);
    json.endArray().key("types").beginArray();
    for (UINT i = 0; i < params->cArgs; ++i) json.value(typeName(V_VT(&params->rgvarg[params->cArgs - 1 - i])));
    json.endArray();

    if (s.settings.exitAtCall > 0 && seq == s.settings.exitAtCall) {
        json.key("exit").value(true).endObject();
        s.log.write(json.text());
        TerminateProcess(GetCurrentProcess(), 3);
    }
    if (s.settings.delayMs > 0) Sleep(s.settings.delayMs);

    VARIANT value;
    VariantInit(&value);
    std::wstring description;
    HRESULT hr = member ? dispatch(*member, kind, flags, params, value, description, argError) : DISP_E_MEMBERNOTFOUND;

    if (SUCCEEDED(hr)) {
        json.key("result");
        writeVariant(json, value);
    } else {
        json.key("error").beginObject().key("hresult").value(hex(hr));
        if (!description.empty()) json.key("description").value(toUtf8(description));
        json.endObject();
    }
    s.log.write(json.endObject().text());

    if (hr == DISP_E_EXCEPTION && exception) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(L"Grivelle Excel stand-in");
        exception->bstrDescription = SysAllocString(description.c_str());
        exception->scode = kMemberFailureCode;
    }
    if (SUCCEEDED(hr) && result) *result = value;  // hands the reference over
    else VariantClear(&value);
    if (SUCCEEDED(hr)) s.changed();
    return hr;
}

HRESULT DispatchObject::dispatch(const Member& member, CallKind kind, WORD flags, DISPPARAMS* params,
                                 VARIANT& result, std::wstring& description, UINT* argError) {
    unsigned positional = params->cArgs - params->cNamedArgs;
    if (kind == CallKind::Put || kind == CallKind::PutRef) {
        if (!member.put || kind == CallKind::PutRef) return DISP_E_MEMBERNOTFOUND;
        if (params->cNamedArgs != 1 || !params->rgdispidNamedArgs ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        positional = 1;  // the value, passed as the named argument
    } else {
        bool allowed = (kind == CallKind::Get && member.get) || ((flags & DISPATCH_METHOD) && member.method);
        if (!allowed) return DISP_E_MEMBERNOTFOUND;
        if (params->cNamedArgs > 0) return DISP_E_NONAMEDARGS;
        if (static_cast<int>(positional) < member.minArgs || static_cast<int>(positional) > member.maxArgs)
            return DISP_E_BADPARAMCOUNT;
    }
    if (kind == CallKind::Get || kind == CallKind::Method)
        kind = member.get && (flags & DISPATCH_PROPERTYGET) ? CallKind::Get : CallKind::Method;
    try {
        if (kind == CallKind::Put && server().settings.refusesPut(className(), member.name)) failPut(member.name);
        Args args(params, positional);
        call(member.id, kind, args, result);
        return S_OK;
    } catch (const MemberFailure& failure) {
        VariantClear(&result);
        description = failure.description;
        return DISP_E_EXCEPTION;
    } catch (const ArgumentFailure& failure) {
        VariantClear(&result);
        if (argError) *argError = params->cArgs - 1 - failure.index;
        return failure.hr;
    } catch (const std::bad_alloc&) {
        // Nothing may leave Invoke: the caller is another process, across COM.
        VariantClear(&result);
        return E_OUTOFMEMORY;
    } catch (...) {
        VariantClear(&result);
        return E_UNEXPECTED;
    }
}

void DispatchObject::failPut(const wchar_t* member) const {
    throw MemberFailure{std::wstring(L"Unable to set the ") + member + L" property of the " + className() + L" class"};
}

}  // namespace grv::standin
