#include "runtime/TypeInfo.h"

#include "runtime/Color.h"
#include "runtime/SysUtils.h"

#include <charconv>
#include <deque>
#include <memory>

const TEnumInfo BooleanInfo{"Boolean", {"False", "True"}};

int TEnumInfo::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name)) return int(i);
    return -1;
}

std::optional<int64_t> TPropInfo::IdentValue(std::string_view ident) const {
    for (const auto& [name, value] : Idents)
        if (SameText(name, ident)) return value;
    return std::nullopt;
}

bool TPropInfo::Writable() const {
    switch (Kind) {
    case TTypeKind::AnsiString: return bool(SetStr);
    case TTypeKind::WideString: return bool(SetWStr);
    case TTypeKind::Class: return bool(SetObj);
    case TTypeKind::Method: return bool(AssignEvent);
    default: return bool(SetOrd);
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other) return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (SameText(c->Name, className)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& p : c->Props)
            if (SameText(p.Name, name)) return &p;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& f : c->Fields)
            if (SameText(f.Name, name)) return &f;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& m : c->Methods)
            if (SameText(m.Name, name)) return &m;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProps() const {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = this; c; c = c->Parent) chain.insert(chain.begin(), c);
    std::vector<const TPropInfo*> out;
    for (const TClassInfo* c : chain)
        for (const auto& p : c->Props) {
            bool redeclared = false; // a class may publish an ancestor's property again: keep the first place
            for (auto& existing : out)
                if (SameText(existing->Name, p.Name)) { existing = &p; redeclared = true; }
            if (!redeclared) out.push_back(&p);
        }
    return out;
}

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo& info = RegisterClassInfo(TClassInfo{"TObject", nullptr, {}, {}, {}, {}});
    return info;
}

// --- Registry ----------------------------------------------------------------------------------------------

namespace {
std::deque<std::unique_ptr<TClassInfo>>& registry() {
    static std::deque<std::unique_ptr<TClassInfo>> classes;
    return classes;
}
} // namespace

const TClassInfo& RegisterClassInfo(TClassInfo info) {
    for (auto& c : registry())
        if (SameText(c->Name, info.Name)) return *c;
    registry().push_back(std::make_unique<TClassInfo>(std::move(info)));
    return *registry().back();
}

const TClassInfo* FindClass(std::string_view name) {
    for (auto& c : registry())
        if (SameText(c->Name, name)) return c.get();
    return nullptr;
}

// --- Property access ---------------------------------------------------------------------------------------

namespace {
// Resolves "A.B.C" to the object owning C and C's property record.
const TPropInfo* resolve(const TObject* obj, std::string_view name, const TObject** owner) {
    if (!obj) return nullptr;
    for (;;) {
        size_t dot = name.find('.');
        const TPropInfo* p = obj->ClassInfo().FindProp(name.substr(0, dot));
        if (!p) return nullptr;
        if (dot == std::string_view::npos) {
            *owner = obj;
            return p;
        }
        if (p->Kind != TTypeKind::Class || !p->GetObj) return nullptr;
        obj = p->GetObj(*obj);
        if (!obj) return nullptr;
        name = name.substr(dot + 1);
    }
}

bool isOrdinal(TTypeKind k) {
    return k == TTypeKind::Integer || k == TTypeKind::Enumeration || k == TTypeKind::Set ||
           k == TTypeKind::Boolean || k == TTypeKind::Color;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<int64_t> parseInteger(std::string_view s) {
    s = trim(s);
    bool negative = !s.empty() && s[0] == '-';
    if (negative || (!s.empty() && s[0] == '+')) s.remove_prefix(1);
    int base = 10;
    if (!s.empty() && s[0] == '$') { base = 16; s.remove_prefix(1); }
    else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) { base = 16; s.remove_prefix(2); }
    if (s.empty()) return std::nullopt;
    uint64_t v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v > 0xFFFFFFFFull) return std::nullopt;
    int64_t value = static_cast<int64_t>(v);
    if (base == 16 && !negative && v > 0x7FFFFFFF) value = static_cast<int32_t>(static_cast<uint32_t>(v));
    return negative ? -value : value;
}
} // namespace

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    return resolve(obj, name, &owner);
}

bool IsPublishedProp(const TObject* obj, std::string_view name) { return GetPropInfo(obj, name) != nullptr; }

std::optional<TTypeKind> PropType(const TObject* obj, std::string_view name) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) return std::nullopt;
    return p->Kind;
}

std::optional<int64_t> GetOrdProp(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || !isOrdinal(p->Kind) || !p->GetOrd) return std::nullopt;
    return p->GetOrd(*owner);
}

bool SetOrdProp(TObject* obj, std::string_view name, int64_t value) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || !isOrdinal(p->Kind) || !p->SetOrd) return false;
    if ((p->Kind == TTypeKind::Enumeration || p->Kind == TTypeKind::Boolean) &&
        (value < 0 || value >= int64_t(p->Enum->Names.size())))
        return false;
    if (p->Kind == TTypeKind::Set && p->Enum->Names.size() < 32 && (uint64_t(value) >> p->Enum->Names.size()) != 0)
        return false;
    p->SetOrd(const_cast<TObject&>(*owner), value);
    return true;
}

std::optional<std::string> GetEnumProp(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || (p->Kind != TTypeKind::Enumeration && p->Kind != TTypeKind::Boolean)) return std::nullopt;
    int64_t v = p->GetOrd(*owner);
    if (v < 0 || v >= int64_t(p->Enum->Names.size())) return std::to_string(v);
    return p->Enum->Names[size_t(v)];
}

bool SetEnumProp(TObject* obj, std::string_view name, std::string_view value) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p || (p->Kind != TTypeKind::Enumeration && p->Kind != TTypeKind::Boolean)) return false;
    int index = p->Enum->IndexOf(trim(value));
    if (index < 0) return false;
    return SetOrdProp(obj, name, index);
}

std::string SetToString(const TEnumInfo& info, uint32_t bits, bool brackets) {
    std::string s;
    for (size_t i = 0; i < info.Names.size() && i < 32; ++i)
        if (bits & (1u << i)) {
            if (!s.empty()) s += ',';
            s += info.Names[i];
        }
    return brackets ? "[" + s + "]" : s;
}

std::optional<uint32_t> StringToSet(const TEnumInfo& info, std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '[') {
        if (text.back() != ']') return std::nullopt;
        text = text.substr(1, text.size() - 2);
    }
    uint32_t bits = 0;
    while (!trim(text).empty()) {
        size_t comma = text.find(',');
        std::string_view item = trim(text.substr(0, comma));
        int index = info.IndexOf(item);
        if (index < 0 || index >= 32) return std::nullopt;
        bits |= 1u << index;
        if (comma == std::string_view::npos) break;
        text = text.substr(comma + 1);
        if (trim(text).empty()) return std::nullopt; // "[a,]"
    }
    return bits;
}

std::optional<std::string> GetSetProp(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::Set) return std::nullopt;
    return SetToString(*p->Enum, static_cast<uint32_t>(p->GetOrd(*owner)));
}

bool SetSetProp(TObject* obj, std::string_view name, std::string_view value) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p || p->Kind != TTypeKind::Set) return false;
    auto bits = StringToSet(*p->Enum, value);
    return bits && SetOrdProp(obj, name, *bits);
}

std::optional<std::string> GetStrProp(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::AnsiString) return std::nullopt;
    return p->GetStr(*owner);
}

bool SetStrProp(TObject* obj, std::string_view name, const std::string& value) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::AnsiString || !p->SetStr) return false;
    p->SetStr(const_cast<TObject&>(*owner), value);
    return true;
}

std::optional<std::wstring> GetWideStrProp(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::WideString) return std::nullopt;
    return p->GetWStr(*owner);
}

bool SetWideStrProp(TObject* obj, std::string_view name, const std::wstring& value) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::WideString || !p->SetWStr) return false;
    p->SetWStr(const_cast<TObject&>(*owner), value);
    return true;
}

TObject* GetObjectProp(const TObject* obj, std::string_view name, const TClassInfo* cls) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::Class || !p->GetObj) return nullptr;
    TObject* value = p->GetObj(*owner);
    if (value && cls && !value->InheritsFrom(*cls)) return nullptr;
    return value;
}

bool SetObjectProp(TObject* obj, std::string_view name, TObject* value) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p || p->Kind != TTypeKind::Class || !p->SetObj) return false;
    if (value && p->PropClass() && !value->InheritsFrom(*p->PropClass())) return false;
    p->SetObj(const_cast<TObject&>(*owner), value);
    return true;
}

bool IsEventAssigned(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    return p && p->Kind == TTypeKind::Method && p->EventAssigned(*owner);
}

bool BindEvent(TObject* obj, std::string_view eventName, TObject* target, std::string_view methodName) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, eventName, &owner);
    if (!p || p->Kind != TTypeKind::Method || !target) return false;
    const TMethodInfo* m = target->ClassInfo().FindMethod(methodName);
    if (!m) return false;
    return p->AssignEvent(const_cast<TObject&>(*owner), m->Bind(*target));
}

std::optional<std::string> GetPropValue(const TObject* obj, std::string_view name) {
    const TObject* owner = nullptr;
    const TPropInfo* p = resolve(obj, name, &owner);
    if (!p) return std::nullopt;
    switch (p->Kind) {
    case TTypeKind::Integer: return std::to_string(p->GetOrd(*owner));
    case TTypeKind::Enumeration:
    case TTypeKind::Boolean: return GetEnumProp(obj, name);
    case TTypeKind::Set: return GetSetProp(obj, name);
    case TTypeKind::Color: return ColorToString(static_cast<TColor>(p->GetOrd(*owner)));
    case TTypeKind::AnsiString: return p->GetStr(*owner);
    case TTypeKind::WideString: return AnsiFromWide(p->GetWStr(*owner));
    default: return std::nullopt;
    }
}

bool SetPropValue(TObject* obj, std::string_view name, std::string_view text) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) return false;
    switch (p->Kind) {
    case TTypeKind::Integer: {
        auto v = parseInteger(text);
        if (!v) v = p->IdentValue(trim(text));
        return v && SetOrdProp(obj, name, *v);
    }
    case TTypeKind::Enumeration:
    case TTypeKind::Boolean: return SetEnumProp(obj, name, text);
    case TTypeKind::Set: return SetSetProp(obj, name, text);
    case TTypeKind::Color: {
        auto c = StringToColor(trim(text));
        return c && SetOrdProp(obj, name, *c);
    }
    case TTypeKind::AnsiString: return SetStrProp(obj, name, std::string(text));
    case TTypeKind::WideString: return SetWideStrProp(obj, name, WideFromAnsi(text));
    default: return false;
    }
}

std::optional<std::wstring> GetWidePropValue(const TObject* obj, std::string_view name) {
    if (auto w = GetWideStrProp(obj, name)) return w;
    if (auto s = GetPropValue(obj, name)) return WideFromAnsi(*s);
    return std::nullopt;
}

bool SetWidePropValue(TObject* obj, std::string_view name, std::wstring_view text) {
    const TPropInfo* p = GetPropInfo(obj, name);
    if (!p) return false;
    if (p->Kind == TTypeKind::WideString) return SetWideStrProp(obj, name, std::wstring(text));
    return SetPropValue(obj, name, AnsiFromWide(text));
}
