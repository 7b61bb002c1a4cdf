// The late-bound IDispatch that every stand-in object shares: name lookup without regard to case,
// the checks on flags and arguments that a type-library dispatch makes, fault injection, and the
// call log. Each object supplies its member table and the members' effects.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

namespace grv::standin {

enum class CallKind { Method, Get, Put, PutRef };

struct Member {
    const wchar_t* name;
    int id;            // the object's own member number, handed to call()
    bool get;          // a property that can be read
    bool put;          // a property that can be written
    bool method;       // a method
    int minArgs = 0;   // for reads and calls; a write takes exactly its value
    int maxArgs = 0;
};

// A failure inside a member: DISP_E_EXCEPTION with this description.
struct MemberFailure {
    std::wstring description;
};

// An argument that does not fit: `hr` with puArgErr naming `index` (0 = the first argument).
struct ArgumentFailure {
    HRESULT hr;
    unsigned index;
};

// The call's arguments in the caller's order, first argument first, references resolved.
class Args {
public:
    Args(const DISPPARAMS* params, unsigned positional);
    ~Args();
    Args(const Args&) = delete;
    Args& operator=(const Args&) = delete;

    size_t size() const { return values_.size(); }
    const VARIANT& operator[](size_t i) const { return values_[i]; }
    int integer(size_t i) const;
    double number(size_t i) const;
    bool boolean(size_t i) const;
    std::wstring text(size_t i) const;

private:
    VARIANT converted(size_t i, VARTYPE type) const;
    std::vector<VARIANT> values_;
};

class DispatchObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // Excel's class name, as its error texts use it ("Range", "Picture").
    virtual const wchar_t* className() const = 0;
    // Which object of its class this is, for the log ("Rows(3)", "Picture 1").
    virtual std::wstring ref() const { return {}; }

protected:
    DispatchObject();
    virtual ~DispatchObject();
    virtual const std::vector<Member>& members() const = 0;
    virtual void call(int id, CallKind kind, const Args& args, VARIANT& result) = 0;

    [[noreturn]] void failPut(const wchar_t* member) const;  // "Unable to set the X property of the C class"

private:
    HRESULT dispatch(const Member& member, CallKind kind, WORD flags, DISPPARAMS* params, VARIANT& result,
                     std::wstring& description, UINT* argError);
    LONG refs_ = 1;
    std::map<DISPID, std::wstring> spelling_;  // the name as the client last looked it up
};

// Results.
void setObject(VARIANT& result, DispatchObject* object);  // takes over the new object's reference
void setNothing(VARIANT& result);
void setNumber(VARIANT& result, double value);
void setInteger(VARIANT& result, int value);
void setBoolean(VARIANT& result, bool value);
void setNull(VARIANT& result);

}  // namespace grv::standin
