// Persistent objects, components with ownership, streams and string lists (no <windows.h>).
#pragma once

#include "runtime/SysUtils.h"
#include "runtime/TypeInfo.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class TStream;

// Given to DefineProperties: a class defines stored properties that are not published properties.
// While a form streams in, the reader calls the read routine of a defined property at the point where the
// description holds it, before any component's Loaded.
class TFiler {
public:
    virtual ~TFiler() = default;
    // Binary data: `read` gets a stream positioned at the first byte of the stored bytes.
    virtual void DefineBinaryProperty(const std::string& name, std::function<void(TStream&)> read,
                                      std::function<void(TStream&)> write, bool hasData) = 0;
    // A list of texts, stored as `Name = ('a' 'b')`; the texts are given in the 8-bit code page.
    virtual void DefineListProperty(const std::string& name, std::function<void(const std::vector<std::string>&)> read,
                                    std::function<std::vector<std::string>()> write, bool hasData) = 0;
};

class TPersistent : public TObject {
    GRV_CLASS(TPersistent)
public:
    virtual void DefineProperties(TFiler& filer);
    // Copies the state of `source`; throws EConvertError when the classes do not fit.
    virtual void Assign(const TPersistent& source);
};

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
};
using TComponentState = unsigned;

// A component is owned by its owner, which frees it; a component that is freed notifies its owner and every
// component that asked for a free notification, so that they can clear their references to it.
class TComponent : public TPersistent {
    GRV_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const; // nullptr when out of range
    int ComponentIndex() const;
    TComponent* FindComponent(std::string_view name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    const std::string& Name() const { return name_; }
    // Throws EConvertError for a name that is not an identifier or already used by a sibling.
    virtual void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    void SetDesigning(bool designing);
    void SetLoading(bool loading); // sets or clears csLoading and csReading; used by the form reader
    void ReadingDone() { SetStateFlag(csReading, false); }

    // Called for every component of a form after the whole form has been read; clears csLoading.
    virtual void Loaded();
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);
    // The component that a streamed component sits in (the enclosing `object` block); controls take it as
    // their parent.
    virtual void SetParentComponent(TComponent* parent);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // The destruction work of a component: tells the components holding references, frees the owned ones
    // and leaves the owner. Classes whose owned components may still use their members (a control's
    // painters restore its WindowProc) call it early in their destructors; it runs once.
    void DestroyingComponent();
    void SetStateFlag(unsigned flag, bool on) { state_ = on ? (state_ | flag) : (state_ & ~flag); }

private:
    void removeNotification(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    int tag_ = 0;
    TComponentState state_ = 0;
    bool destroyDone_ = false;
};

// --- Streams ------------------------------------------------------------------------------------------------

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
    GRV_CLASS(TStream)
public:
    // Reads up to `count` bytes; returns how many were read.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() const = 0;
    virtual void SetSize(int64_t size) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
    // Exact reads and writes: EReadError / EWriteError when the stream cannot supply or take all bytes.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies `count` bytes from `source` (count 0: all of it, from its start; negative: EReadError).
    // Returns bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
    uint32_t ReadUInt32LE();
    void WriteUInt32LE(uint32_t value);
};

class TMemoryStream : public TStream {
    GRV_CLASS(TMemoryStream)
public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override { return int64_t(data_.size()); }
    void SetSize(int64_t size) override;

    uint8_t* Memory() { return data_.data(); }
    const uint8_t* Memory() const { return data_.data(); }
    const std::vector<uint8_t>& Bytes() const { return data_; }
    void Clear();
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest) const;

private:
    std::vector<uint8_t> data_;
    int64_t position_ = 0;
};

// A file as a stream. The path is 8-bit text in the system code page. Throws EStreamError when the file
// cannot be opened or created.
enum TFileMode { fmOpenRead, fmOpenReadWrite, fmCreate };

class TFileStream : public TStream {
    GRV_CLASS(TFileStream)
public:
    TFileStream(const std::string& path, TFileMode mode);
    ~TFileStream() override;
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override;
    void SetSize(int64_t size) override;

private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

bool FileExists(const std::string& path);

// --- String lists -------------------------------------------------------------------------------------------

// A list of 8-bit texts with indexed get and set. Stored in form descriptions as `Strings = (...)`.
class TStrings : public TPersistent {
    GRV_CLASS(TStrings)
public:
    int Count() const { return int(items_.size()); }
    // Indexed access; throws EListError for an index out of range.
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    void Put(int index, const std::string& s);
    int Add(const std::string& s);
    void Insert(int index, const std::string& s);
    void Delete(int index);
    void Clear();
    int IndexOf(std::string_view s) const; // case-insensitive, -1 when absent
    void AddStrings(const TStrings& other);
    // All lines joined with CR LF after each; SetText splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(std::string_view text);
    // "name=value" lines
    std::string Names(int index) const;
    std::string Values(std::string_view name) const;
    int IndexOfName(std::string_view name) const;
    const std::vector<std::string>& Items() const { return items_; }

    void BeginUpdate() { ++updating_; }
    void EndUpdate();
    void Assign(const TPersistent& source) override;
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    std::vector<std::string> items_;

private:
    void checkIndex(int index, bool insert) const;
    int updating_ = 0;
};

class TStringList : public TStrings {
    GRV_CLASS(TStringList)
};
