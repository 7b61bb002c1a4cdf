// A small streaming JSON writer: commas and escaping are its business, the layout the caller's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace grv::standin {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);  // UTF-8
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);          // shortest round-trip form; not finite: null
    JsonWriter& value(int number);
    JsonWriter& value(long long number);
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& text() const { return out_; }

private:
    void separate();
    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool afterKey_ = false;
};

}  // namespace grv::standin
