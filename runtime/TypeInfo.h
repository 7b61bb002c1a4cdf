// Class information and published properties: what lets the framework create a component from its class
// name, stream it from a form description and read or write its properties by name at run time.
//
// A class declares itself with GRV_CLASS in its body and defines StaticClassInfo() with a TClassBuilder,
// listing its published properties in order (see runtime/README.md).
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TObject;
class TComponent;
struct TClassInfo;

// Events are plain callables; a published method of a form is bound to them by name while streaming.
using TNotifyEvent = std::function<void(TObject* Sender)>;

enum class TTypeKind { Integer, Enumeration, Set, Boolean, AnsiString, WideString, Color, Class, Method };
// Colours are integers with names for some values: both kinds answer "integer-typed".
constexpr bool IsIntegerKind(TTypeKind k) { return k == TTypeKind::Integer || k == TTypeKind::Color; }

// An enumeration type: ordinal i is named Names[i]. Sets are bit masks over such a type (member i = bit i).
struct TEnumInfo {
    std::string Name;
    std::vector<std::string> Names;
    int IndexOf(std::string_view name) const; // case-insensitive; -1 when not a member
};
extern const TEnumInfo BooleanInfo; // False, True

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::Integer;
    const TEnumInfo* Enum = nullptr;        // Enumeration, Boolean, Set
    const TClassInfo& (*PropClassOf)() = nullptr; // Class: the referenced class (looked up late: a class may refer to itself)
    // Ordinal kinds (Integer, Enumeration, Set, Boolean, Color)
    std::function<int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, int64_t)> SetOrd;
    // AnsiString
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    // WideString
    std::function<std::wstring(const TObject&)> GetWStr;
    std::function<void(TObject&, const std::wstring&)> SetWStr;
    // Class (object reference)
    std::function<TObject*(const TObject&)> GetObj;
    std::function<void(TObject&, TObject*)> SetObj;
    // Method (event): Assign takes a handler made by TMethodInfo::Bind and answers whether its type fits;
    // Assigned tells whether the event has a handler.
    std::function<bool(TObject&, const std::any&)> AssignEvent;
    std::function<bool(const TObject&)> EventAssigned;

    // Integer properties may also take names for some values ("DEFAULT_CHARSET").
    std::vector<std::pair<std::string, int64_t>> Idents;
    std::optional<int64_t> IdentValue(std::string_view ident) const;

    bool Writable() const;
    const TClassInfo* PropClass() const { return PropClassOf ? &PropClassOf() : nullptr; }
};

// A published method (an event handler of a form), found by name when an event is bound while streaming.
struct TMethodInfo {
    std::string Name;
    std::function<std::any(TObject& self)> Bind; // a std::function<Signature> calling the method on self
};

// A published field: a form's reference to a component it owns, set by name while streaming.
struct TFieldInfo {
    std::string Name;
    const TClassInfo& (*FieldClassOf)() = nullptr;
    const TClassInfo& FieldClass() const { return FieldClassOf(); }
    std::function<void(TObject&, TObject*)> Set; // ignores an object of another class
    std::function<TObject*(const TObject&)> Get;
};

struct TClassInfo {
    std::string Name;
    const TClassInfo* Parent = nullptr;
    std::function<TComponent*(TComponent* owner)> Create; // empty for classes that cannot be streamed in
    std::vector<TPropInfo> Props;                           // this class's own, in declared order
    std::vector<TFieldInfo> Fields;
    std::vector<TMethodInfo> Methods;

    bool InheritsFrom(const TClassInfo& other) const;
    bool InheritsFrom(std::string_view className) const; // by name, case-insensitive
    const TPropInfo* FindProp(std::string_view name) const;
    const TFieldInfo* FindField(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    std::vector<const TPropInfo*> AllProps() const; // ancestors' first, each in declared order
};

// Root of every framework class.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    const std::string& ClassName() const { return ClassInfo().Name; }
    bool InheritsFrom(const TClassInfo& cls) const { return ClassInfo().InheritsFrom(cls); }
    bool InheritsFrom(std::string_view className) const { return ClassInfo().InheritsFrom(className); }
};

#define GRV_CLASS(Class)                                                                  \
public:                                                                                   \
    static const TClassInfo& StaticClassInfo();                                           \
    const TClassInfo& ClassInfo() const override { return Class::StaticClassInfo(); }     \
                                                                                          \
private:

// --- Registry --------------------------------------------------------------------------------------------
// Registers a class (once per name; the first wins); every class registers itself the first time its
// StaticClassInfo() runs, and the form reader touches the classes of a form's published fields before it
// looks classes up. Returns the stored record, whose address stays valid for the life of the program.
const TClassInfo& RegisterClassInfo(TClassInfo info);
const TClassInfo* FindClass(std::string_view name); // nullptr when no class of that name is registered

// --- Property access by name ------------------------------------------------------------------------------
// None of these throw for a missing property or a property of another kind: they answer "not there"
// (nullptr, std::nullopt or false). Names are compared case-insensitively. A dotted name ("Font.Name")
// walks object properties.
const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);
bool IsPublishedProp(const TObject* obj, std::string_view name);
std::optional<TTypeKind> PropType(const TObject* obj, std::string_view name);

std::optional<int64_t> GetOrdProp(const TObject* obj, std::string_view name); // any ordinal kind
bool SetOrdProp(TObject* obj, std::string_view name, int64_t value);
std::optional<std::string> GetEnumProp(const TObject* obj, std::string_view name); // Enumeration/Boolean name
bool SetEnumProp(TObject* obj, std::string_view name, std::string_view value);
std::optional<std::string> GetSetProp(const TObject* obj, std::string_view name);  // "[a,b]"
bool SetSetProp(TObject* obj, std::string_view name, std::string_view value);
std::optional<std::string> GetStrProp(const TObject* obj, std::string_view name);  // AnsiString only
bool SetStrProp(TObject* obj, std::string_view name, const std::string& value);
std::optional<std::wstring> GetWideStrProp(const TObject* obj, std::string_view name); // WideString only
bool SetWideStrProp(TObject* obj, std::string_view name, const std::wstring& value);
// An object property, or nullptr when it is missing, unset, or not of `cls` (when given).
TObject* GetObjectProp(const TObject* obj, std::string_view name, const TClassInfo* cls = nullptr);
bool SetObjectProp(TObject* obj, std::string_view name, TObject* value);
bool IsEventAssigned(const TObject* obj, std::string_view name);
// Binds the published method `methodName` of `target` to the event property; false when either is
// missing or their types differ.
bool BindEvent(TObject* obj, std::string_view eventName, TObject* target, std::string_view methodName);

// Text forms: integers in decimal (set: "$hex" accepted too), enumerations and booleans by name, sets as
// "[a,b]", colours by name ("clBtnFace") or "$AABBGGRR", strings as they are (wide ones converted from/to the
// 8-bit code page). Objects and events have no text form.
std::optional<std::string> GetPropValue(const TObject* obj, std::string_view name);
bool SetPropValue(TObject* obj, std::string_view name, std::string_view text);
std::optional<std::wstring> GetWidePropValue(const TObject* obj, std::string_view name);
bool SetWidePropValue(TObject* obj, std::string_view name, std::wstring_view text);

// Text helpers for enumerations and sets over a TEnumInfo.
std::string SetToString(const TEnumInfo& info, uint32_t bits, bool brackets = true);
std::optional<uint32_t> StringToSet(const TEnumInfo& info, std::string_view text);

// --- Building class information --------------------------------------------------------------------------
namespace typeinfo_detail {
template <class C, class G> decltype(auto) get(const C& c, G g) {
    if constexpr (std::is_member_object_pointer_v<G>) return (c.*g);
    else if constexpr (std::is_member_function_pointer_v<G>) return (c.*g)();
    else return g(c);
}
template <class C, class S, class V> void set(C& c, S s, V&& v) {
    if constexpr (std::is_member_object_pointer_v<S>) c.*s = std::forward<V>(v);
    else if constexpr (std::is_member_function_pointer_v<S>) (c.*s)(std::forward<V>(v));
    else s(c, std::forward<V>(v));
}
template <class C, class G> using value_t = std::remove_cvref_t<decltype(get(std::declval<const C&>(), std::declval<G>()))>;
template <class F> struct method_traits;
template <class C, class R, class... A> struct method_traits<R (C::*)(A...)> { using sig = R(A...); };
} // namespace typeinfo_detail

// Builds the TClassInfo of class C whose parent class is P. Getters are `T (C::*)() const`, a data member or a
// callable taking `const C&`; setters `void (C::*)(T)`, a data member, a callable taking `(C&, T)`, or nullptr
// for a read-only property.
template <class C, class P> class TClassBuilder {
public:
    explicit TClassBuilder(std::string name) {
        info_.Name = std::move(name);
        info_.Parent = &P::StaticClassInfo();
        if constexpr (std::is_base_of_v<TComponent, C> && std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>)
            info_.Create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }

    template <class G, class S> TClassBuilder& Integer(std::string name, G g, S s) { return ordinal(std::move(name), TTypeKind::Integer, nullptr, g, s); }
    template <class G, class S> TClassBuilder& Enum(std::string name, const TEnumInfo& e, G g, S s) { return ordinal(std::move(name), TTypeKind::Enumeration, &e, g, s); }
    template <class G, class S> TClassBuilder& Set(std::string name, const TEnumInfo& e, G g, S s) { return ordinal(std::move(name), TTypeKind::Set, &e, g, s); }
    template <class G, class S> TClassBuilder& Bool(std::string name, G g, S s) { return ordinal(std::move(name), TTypeKind::Boolean, &BooleanInfo, g, s); }
    template <class G, class S> TClassBuilder& Color(std::string name, G g, S s) { return ordinal(std::move(name), TTypeKind::Color, nullptr, g, s); }

    template <class G, class S> TClassBuilder& String(std::string name, G g, S s) {
        TPropInfo p = base(std::move(name), TTypeKind::AnsiString);
        p.GetStr = [g](const TObject& o) { return std::string(typeinfo_detail::get(static_cast<const C&>(o), g)); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetStr = [s](TObject& o, const std::string& v) { typeinfo_detail::set(static_cast<C&>(o), s, v); };
        return add(std::move(p));
    }
    template <class G, class S> TClassBuilder& WideString(std::string name, G g, S s) {
        TPropInfo p = base(std::move(name), TTypeKind::WideString);
        p.GetWStr = [g](const TObject& o) { return std::wstring(typeinfo_detail::get(static_cast<const C&>(o), g)); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetWStr = [s](TObject& o, const std::wstring& v) { typeinfo_detail::set(static_cast<C&>(o), s, v); };
        return add(std::move(p));
    }
    // An object property; T is the class of the referenced object (owned sub-objects such as Font or
    // Items are read-only references whose own properties are streamed).
    template <class T, class G, class S> TClassBuilder& Object(std::string name, G g, S s) {
        TPropInfo p = base(std::move(name), TTypeKind::Class);
        p.PropClassOf = &T::StaticClassInfo;
        p.GetObj = [g](const TObject& o) -> TObject* { return typeinfo_detail::get(static_cast<const C&>(o), g); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetObj = [s](TObject& o, TObject* v) {
                T* typed = dynamic_cast<T*>(v);
                if (v && !typed) return;
                typeinfo_detail::set(static_cast<C&>(o), s, typed);
            };
        return add(std::move(p));
    }
    // An event: a data member of type std::function<Sig>.
    template <class Sig> TClassBuilder& Event(std::string name, std::function<Sig> C::*field) {
        TPropInfo p = base(std::move(name), TTypeKind::Method);
        p.AssignEvent = [field](TObject& o, const std::any& h) {
            if (!h.has_value()) { static_cast<C&>(o).*field = nullptr; return true; }
            auto fn = std::any_cast<std::function<Sig>>(&h);
            if (!fn) return false;
            static_cast<C&>(o).*field = *fn;
            return true;
        };
        p.EventAssigned = [field](const TObject& o) { return bool(static_cast<const C&>(o).*field); };
        return add(std::move(p));
    }
    // A published field referring to a component (T*) of the form.
    template <class T> TClassBuilder& Field(std::string name, T* C::*field) {
        TFieldInfo f;
        f.Name = std::move(name);
        f.FieldClassOf = &T::StaticClassInfo;
        f.Set = [field](TObject& o, TObject* v) { if (T* t = dynamic_cast<T*>(v); t || !v) static_cast<C&>(o).*field = t; };
        f.Get = [field](const TObject& o) -> TObject* { return static_cast<const C&>(o).*field; };
        info_.Fields.push_back(std::move(f));
        return *this;
    }
    // A published method, for binding events by name: any `void (C::*)(Args...)`.
    template <class M> TClassBuilder& Method(std::string name, M method) {
        using Sig = typename typeinfo_detail::method_traits<M>::sig;
        TMethodInfo m;
        m.Name = std::move(name);
        m.Bind = [method](TObject& self) -> std::any {
            C* c = static_cast<C*>(&self);
            return std::function<Sig>([c, method](auto&&... a) { return (c->*method)(std::forward<decltype(a)>(a)...); });
        };
        info_.Methods.push_back(std::move(m));
        return *this;
    }

    // Names for values of the property declared last.
    TClassBuilder& Idents(std::vector<std::pair<std::string, int64_t>> idents) {
        info_.Props.back().Idents = std::move(idents);
        return *this;
    }

    const TClassInfo& Register() { return RegisterClassInfo(std::move(info_)); }

private:
    TPropInfo base(std::string name, TTypeKind kind) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        return p;
    }
    template <class G, class S> TClassBuilder& ordinal(std::string name, TTypeKind kind, const TEnumInfo* e, G g, S s) {
        TPropInfo p = base(std::move(name), kind);
        p.Enum = e;
        p.GetOrd = [g](const TObject& o) { return static_cast<int64_t>(typeinfo_detail::get(static_cast<const C&>(o), g)); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetOrd = [s](TObject& o, int64_t v) {
                using T = typeinfo_detail::value_t<C, G>;
                if constexpr (std::is_same_v<T, bool>) typeinfo_detail::set(static_cast<C&>(o), s, v != 0);
                else typeinfo_detail::set(static_cast<C&>(o), s, static_cast<T>(v));
            };
        return add(std::move(p));
    }
    TClassBuilder& add(TPropInfo p) {
        info_.Props.push_back(std::move(p));
        return *this;
    }
    TClassInfo info_;
};
