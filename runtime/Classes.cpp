#include "runtime/Classes.h"

#include <algorithm>
#include <cstring>

// --- TPersistent ----------------------------------------------------------------------------------------------

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPersistent, TObject>("TPersistent").Register();
    return info;
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::Assign(const TPersistent& source) {
    throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

// --- TComponent -----------------------------------------------------------------------------------------------

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TComponent, TPersistent>("TComponent")
        .String("Name", &TComponent::Name, &TComponent::SetName)
        .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
        .Register();
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() { DestroyingComponent(); }

void TComponent::DestroyingComponent() {
    if (destroyDone_) return;
    destroyDone_ = true;
    state_ |= csDestroying;
    // Tell everyone holding a reference that this component goes away.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& theirs = other->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= int(components_.size())) return nullptr;
    return components_[size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (!component->name_.empty() && FindComponent(component->name_))
        throw EConvertError("A component named " + component->name_ + " already exists");
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    // The owner's published field of that name no longer refers to anything.
    if (!component->name_.empty())
        if (const TFieldInfo* f = ClassInfo().FindField(component->name_))
            if (f->Get(*this) == component) f->Set(*this, nullptr);
    Notification(component, opRemove);
    it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end()) components_.erase(it);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* c = components_.back();
        delete c; // its destructor removes it from this list
        if (!components_.empty() && components_.back() == c) components_.pop_back();
    }
}

void TComponent::removeNotification(TComponent* component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) removeNotification(component);
    // Owned components may hold references to their siblings.
    for (size_t i = components_.size(); i-- > 0;)
        if (i < components_.size() && components_[i] != component) components_[i]->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) == component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    removeNotification(component);
    component->removeNotification(this);
}

namespace {
bool isIdentifier(const std::string& s) {
    if (s.empty()) return true;
    auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!alpha(s[0])) return false;
    return std::all_of(s.begin(), s.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}
} // namespace

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!isIdentifier(name)) throw EConvertError("\"" + name + "\" is not a valid component name");
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this) throw EConvertError("A component named " + name + " already exists");
    }
    name_ = name;
}

void TComponent::SetDesigning(bool designing) {
    SetStateFlag(csDesigning, designing);
    for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::SetLoading(bool loading) { SetStateFlag(csLoading | csReading, loading); }

void TComponent::Loaded() { SetStateFlag(csLoading, false); }

void TComponent::SetParentComponent(TComponent*) {}

// --- TStream --------------------------------------------------------------------------------------------------

const TClassInfo& TStream::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TStream, TObject>("TStream").Register();
    return info;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count < 0 || (count > 0 && Read(buffer, count) != count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count < 0) throw EReadError("Stream read error");
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<uint8_t> buffer(size_t(std::min<int64_t>(count, 1 << 16)));
    int64_t done = 0;
    while (done < count) {
        int64_t n = std::min<int64_t>(count - done, int64_t(buffer.size()));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        done += n;
    }
    return done;
}

uint32_t TStream::ReadUInt32LE() {
    uint8_t b[4];
    ReadBuffer(b, 4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

void TStream::WriteUInt32LE(uint32_t v) {
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    WriteBuffer(b, 4);
}

const TClassInfo& TMemoryStream::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMemoryStream, TStream>("TMemoryStream").Register();
    return info;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    if (count <= 0 || position_ >= Size()) return 0;
    int64_t n = std::min(count, Size() - position_);
    std::memcpy(buffer, data_.data() + position_, size_t(n));
    position_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    if (position_ + count > Size()) data_.resize(size_t(position_ + count));
    std::memcpy(data_.data() + position_, buffer, size_t(count));
    position_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : Size();
    int64_t target = base + offset;
    if (target < 0) throw EStreamError("Seek before the start of a stream");
    position_ = target;
    return position_;
}

void TMemoryStream::SetSize(int64_t size) {
    if (size < 0) throw EStreamError("Negative stream size");
    data_.resize(size_t(size));
    if (position_ > size) position_ = size;
}

void TMemoryStream::Clear() {
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    int64_t n = source.Size();
    SetSize(n);
    source.ReadBuffer(data_.data(), n);
    position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& dest) const { dest.WriteBuffer(data_.data(), Size()); }

// --- TFileStream ------------------------------------------------------------------------------------------

const TClassInfo& TFileStream::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TFileStream, TStream>("TFileStream").Register();
    return info;
}

namespace {
std::FILE* openFile(const std::string& path, const char* mode) {
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(WideFromAnsi(path).c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}
} // namespace

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
    file_ = openFile(path, mode == fmOpenRead ? "rb" : mode == fmOpenReadWrite ? "r+b" : "w+b");
    if (!file_) throw EStreamError("Cannot open file \"" + path + "\"");
}

TFileStream::~TFileStream() {
    if (file_) std::fclose(file_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    return int64_t(std::fread(buffer, 1, size_t(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    return int64_t(std::fwrite(buffer, 1, size_t(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
#ifdef _WIN32
    if (_fseeki64(file_, offset, whence) != 0) throw EStreamError("Seek error in " + path_);
    return _ftelli64(file_);
#else
    if (fseeko(file_, off_t(offset), whence) != 0) throw EStreamError("Seek error in " + path_);
    return int64_t(ftello(file_));
#endif
}

int64_t TFileStream::Size() const {
    auto* self = const_cast<TFileStream*>(this);
    int64_t here = self->Seek(0, soCurrent);
    int64_t end = self->Seek(0, soEnd);
    self->Seek(here, soBeginning);
    return end;
}

void TFileStream::SetSize(int64_t size) {
    if (size < Size()) throw EStreamError("Cannot shrink " + path_);
    int64_t here = Position();
    Seek(0, soEnd);
    std::vector<uint8_t> zeros(size_t(size - Size()), 0);
    WriteBuffer(zeros.data(), int64_t(zeros.size()));
    SetPosition(here);
}

bool FileExists(const std::string& path) {
    std::FILE* f = openFile(path, "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

// --- TStrings -------------------------------------------------------------------------------------------------

const TClassInfo& TStrings::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TStrings, TPersistent>("TStrings").Register();
    return info;
}

const TClassInfo& TStringList::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TStringList, TStrings>("TStringList").Register();
    return info;
}

void TStrings::checkIndex(int index, bool insert) const {
    int limit = insert ? Count() : Count() - 1;
    if (index < 0 || index > limit) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStrings::Strings(int index) const {
    checkIndex(index, false);
    return items_[size_t(index)];
}

void TStrings::Put(int index, const std::string& s) {
    checkIndex(index, false);
    items_[size_t(index)] = s;
    Changed();
}

int TStrings::Add(const std::string& s) {
    items_.push_back(s);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int index, const std::string& s) {
    checkIndex(index, true);
    items_.insert(items_.begin() + index, s);
    Changed();
}

void TStrings::Delete(int index) {
    checkIndex(index, false);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

int TStrings::IndexOf(std::string_view s) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (SameText(items_[i], s)) return int(i);
    return -1;
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (const auto& s : std::vector<std::string>(other.items_)) items_.push_back(s);
    EndUpdate();
}

std::string TStrings::Text() const {
    std::string s;
    for (const auto& item : items_) s += item + "\r\n";
    return s;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    items_.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            items_.emplace_back(text.substr(start));
            break;
        }
        items_.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    EndUpdate();
}

std::string TStrings::Names(int index) const {
    const std::string& s = Strings(index);
    size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

int TStrings::IndexOfName(std::string_view name) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        size_t eq = items_[i].find('=');
        if (eq != std::string::npos && SameText(std::string_view(items_[i]).substr(0, eq), name)) return int(i);
    }
    return -1;
}

std::string TStrings::Values(std::string_view name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : items_[size_t(i)].substr(items_[size_t(i)].find('=') + 1);
}

void TStrings::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) Changed();
}

void TStrings::Changed() {
    if (updating_ == 0 && OnChange) OnChange(this);
}

void TStrings::Assign(const TPersistent& source) {
    auto other = dynamic_cast<const TStrings*>(&source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    BeginUpdate();
    items_ = other->items_;
    EndUpdate();
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineListProperty(
        "Strings",
        [this](const std::vector<std::string>& lines) {
            BeginUpdate();
            items_ = lines;
            EndUpdate();
        },
        [this] { return items_; }, Count() > 0);
}
