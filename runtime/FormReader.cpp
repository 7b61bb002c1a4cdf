// Streaming a parsed form description into a component tree.
#include "runtime/FormReader.h"

#include "runtime/Color.h"
#include "runtime/TypeInfo.h"

namespace {

// Collects what a persistent object defines in DefineProperties and hands the matching value to it.
class DefinedPropertyReader : public TFiler {
public:
    DefinedPropertyReader(std::string_view name, const TFormValue& value) : name_(name), value_(value) {}

    void DefineBinaryProperty(const std::string& name, std::function<void(TStream&)> read,
                              std::function<void(TStream&)>, bool) override {
        if (found_ || !SameText(name, name_) || !read) return;
        found_ = true;
        if (value_.kind != TFormValue::Binary) throw EReadError("binary data expected");
        TMemoryStream stream;
        stream.WriteBuffer(value_.bytes.data(), int64_t(value_.bytes.size()));
        stream.SetPosition(0);
        read(stream);
    }

    void DefineListProperty(const std::string& name, std::function<void(const std::vector<std::string>&)> read,
                            std::function<std::vector<std::string>()>, bool) override {
        if (found_ || !SameText(name, name_) || !read) return;
        found_ = true;
        if (value_.kind != TFormValue::List) throw EReadError("list expected");
        std::vector<std::string> lines;
        for (const auto& item : value_.list) {
            if (item.kind != TFormValue::String) throw EReadError("list of texts expected");
            lines.push_back(AnsiFromWide(item.text));
        }
        read(lines);
    }

    bool found() const { return found_; }

private:
    std::string_view name_;
    const TFormValue& value_;
    bool found_ = false;
};

struct Fixup {
    TObject* target;
    std::string prop;
    std::string componentName;
    std::string context;
};

class Reader {
public:
    explicit Reader(TComponent* root) : root_(root) {}

    void read(const TFormObject& d) {
        if (!root_->InheritsFrom(d.className))
            throw EReadError("The description is of class " + d.className + ", not " + root_->ClassName());
        // The classes of the root's published fields register themselves when first touched.
        for (const TClassInfo* c = &root_->ClassInfo(); c; c = c->Parent)
            for (const auto& f : c->Fields) f.FieldClass();
        try {
            loaded_.push_back(root_);
            root_->SetLoading(true);
            if (!d.name.empty()) root_->SetName(d.name);
            applyProps(root_, d);
            for (const auto& child : d.children) readChild(child, root_);
            resolveFixups();
        } catch (...) {
            for (TComponent* c : loaded_) c->SetLoading(false);
            throw;
        }
        for (TComponent* c : loaded_) c->ReadingDone();
        for (TComponent* c : loaded_) c->Loaded();
    }

private:
    void readChild(const TFormObject& d, TComponent* parent) {
        std::string where = d.name.empty() ? d.className : d.name;
        const TClassInfo* cls = FindClass(d.className);
        if (!cls) throw EClassNotFound("Class " + d.className + " not found (line " + std::to_string(d.line) + ")");
        if (!cls->Create) throw EReadError("Class " + d.className + " cannot be created from a description");
        TComponent* c = nullptr;
        if (d.inherited && !d.name.empty()) c = root_->FindComponent(d.name);
        if (!c) {
            c = cls->Create(root_);
            c->SetLoading(true);
            loaded_.push_back(c);
            try {
                c->SetName(d.name);
            } catch (const Exception& e) {
                throw EReadError("Error reading " + where + ": " + e.Message());
            }
            if (!d.name.empty())
                if (const TFieldInfo* f = root_->ClassInfo().FindField(d.name)) {
                    if (!c->InheritsFrom(f->FieldClass()))
                        throw EReadError("Field " + d.name + " of " + root_->ClassName() + " is a " + f->FieldClass().Name +
                                         ", not a " + d.className);
                    f->Set(*root_, c);
                }
            c->SetParentComponent(parent);
        }
        applyProps(c, d);
        for (const auto& child : d.children) readChild(child, c);
    }

    void applyProps(TComponent* c, const TFormObject& d) {
        std::string who = d.name.empty() ? d.className : d.name;
        for (const auto& p : d.props) {
            try {
                applyProp(c, p);
            } catch (const Exception& e) {
                throw EReadError("Error reading " + who + "." + p.name + " (line " + std::to_string(p.line) + "): " + e.Message());
            }
        }
    }

    void applyProp(TComponent* c, const TFormProperty& fp) {
        // Walk to the object that owns the last name of a dotted path.
        TObject* target = c;
        std::string_view path = fp.name;
        size_t dot;
        while ((dot = path.find('.')) != std::string_view::npos) {
            std::string_view head = path.substr(0, dot);
            const TPropInfo* p = target->ClassInfo().FindProp(head);
            if (!p || p->Kind != TTypeKind::Class) throw EReadError("Property " + std::string(head) + " does not exist");
            target = p->GetObj(*target);
            if (!target) throw EReadError("Property " + std::string(head) + " refers to no object");
            path = path.substr(dot + 1);
        }
        const TFormValue& v = fp.value;
        const TPropInfo* p = target->ClassInfo().FindProp(path);
        if (!p) {
            if (auto* persistent = dynamic_cast<TPersistent*>(target)) {
                DefinedPropertyReader filer(path, v);
                persistent->DefineProperties(filer);
                if (filer.found()) return;
            }
            throw EReadError("Property " + std::string(path) + " does not exist");
        }
        if (!p->Writable()) throw EReadError("Property " + p->Name + " is read-only");
        auto bad = [&](const char* what) { throw EReadError(std::string("Invalid property value: ") + what + " expected"); };
        switch (p->Kind) {
        case TTypeKind::Integer: {
            std::optional<int64_t> n;
            if (v.kind == TFormValue::Integer) n = v.integer;
            else if (v.kind == TFormValue::Ident) n = p->IdentValue(v.ident);
            if (!n) bad("integer");
            p->SetOrd(*target, *n);
            break;
        }
        case TTypeKind::Enumeration:
        case TTypeKind::Boolean: {
            int index = v.kind == TFormValue::Ident ? p->Enum->IndexOf(v.ident) : -1;
            if (index < 0) bad(p->Enum->Name.c_str());
            p->SetOrd(*target, index);
            break;
        }
        case TTypeKind::Set: {
            if (v.kind != TFormValue::Set) bad("set");
            uint32_t bits = 0;
            for (const auto& m : v.set) {
                int index = p->Enum->IndexOf(m);
                if (index < 0 || index >= 32) throw EReadError("Invalid set member " + m);
                bits |= 1u << index;
            }
            p->SetOrd(*target, bits);
            break;
        }
        case TTypeKind::Color: {
            std::optional<TColor> color;
            if (v.kind == TFormValue::Ident) color = StringToColor(v.ident);
            else if (v.kind == TFormValue::Integer) color = StringToColor(std::to_string(v.integer));
            if (!color) bad("colour");
            p->SetOrd(*target, *color);
            break;
        }
        case TTypeKind::AnsiString:
            if (v.kind != TFormValue::String) bad("string");
            p->SetStr(*target, AnsiFromWide(v.text));
            break;
        case TTypeKind::WideString:
            if (v.kind != TFormValue::String) bad("string");
            p->SetWStr(*target, v.text);
            break;
        case TTypeKind::Class:
            if (v.kind != TFormValue::Ident) bad("component name");
            fixups_.push_back({target, p->Name, v.ident, fp.name});
            break;
        case TTypeKind::Method:
            if (v.kind != TFormValue::Ident) bad("method name");
            if (!root_->ClassInfo().FindMethod(v.ident))
                throw EReadError("Method " + v.ident + " is not a published method of " + root_->ClassName());
            if (!BindEvent(target, p->Name, root_, v.ident))
                throw EReadError("Method " + v.ident + " does not fit event " + p->Name);
            break;
        }
    }

    void resolveFixups() {
        for (const auto& f : fixups_) {
            TComponent* ref = nullptr;
            if (!SameText(f.componentName, "nil")) {
                ref = SameText(f.componentName, root_->Name()) ? root_ : root_->FindComponent(f.componentName);
                if (!ref) throw EReadError("Error reading " + f.context + ": component " + f.componentName + " not found");
            }
            if (!SetObjectProp(f.target, f.prop, ref))
                throw EReadError("Error reading " + f.context + ": " + f.componentName + " does not fit");
        }
    }

    TComponent* root_;
    std::vector<TComponent*> loaded_;
    std::vector<Fixup> fixups_;
};

} // namespace

void ReadComponent(TComponent* root, const TFormObject& description) { Reader(root).read(description); }

void ReadComponentFromText(TComponent* root, std::string_view text) { ReadComponent(root, ParseFormDescription(text)); }
