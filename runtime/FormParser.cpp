// The parser of form descriptions.
#include "runtime/FormReader.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {
        if (s_.size() >= 3 && s_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3; // UTF-8 byte order mark
    }

    TFormObject parseRoot() {
        TFormObject root = parseObject(0);
        skipSpace();
        if (pos_ < s_.size()) fail("text after the last 'end'");
        return root;
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw EReadError("Form description line " + std::to_string(line_) + ": " + what);
    }

    void skipSpace() {
        while (pos_ < s_.size()) {
            char c = s_[pos_];
            if (c == '\n') { ++line_; ++pos_; }
            else if (c == ' ' || c == '\t' || c == '\r') ++pos_;
            else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
                while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
            } else break;
        }
    }

    static bool identStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    static bool identChar(char c) { return identStart(c) || (c >= '0' && c <= '9'); }

    std::string identifier(bool dotted) {
        skipSpace();
        if (pos_ >= s_.size() || !identStart(s_[pos_])) fail("identifier expected");
        size_t start = pos_;
        while (pos_ < s_.size() && (identChar(s_[pos_]) || (dotted && s_[pos_] == '.' && pos_ + 1 < s_.size() && identStart(s_[pos_ + 1]))))
            ++pos_;
        return std::string(s_.substr(start, pos_ - start));
    }

    bool peekWord(std::string_view word) {
        skipSpace();
        if (s_.size() - pos_ < word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i)
            if ((s_[pos_ + i] | 0x20) != (word[i] | 0x20)) return false;
        return pos_ + word.size() == s_.size() || !identChar(s_[pos_ + word.size()]);
    }

    void expect(char c) {
        skipSpace();
        if (pos_ >= s_.size() || s_[pos_] != c) fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    TFormObject parseObject(int depth) {
        if (depth > kMaxDepth) fail("components nested too deeply");
        TFormObject obj;
        obj.line = line_;
        if (peekWord("object")) pos_ += 6;
        else if (peekWord("inherited")) { pos_ += 9; obj.inherited = true; }
        else if (peekWord("inline")) { pos_ += 6; obj.inherited = true; }
        else fail("'object' expected");
        std::string first = identifier(false);
        skipSpace();
        if (pos_ < s_.size() && s_[pos_] == ':') {
            ++pos_;
            obj.name = first;
            obj.className = identifier(false);
        } else {
            obj.className = first;
        }
        for (;;) {
            skipSpace();
            if (pos_ >= s_.size()) fail("'end' expected");
            if (peekWord("end")) { pos_ += 3; return obj; }
            if (peekWord("object") || peekWord("inherited") || peekWord("inline")) {
                obj.children.push_back(parseObject(depth + 1));
                continue;
            }
            TFormProperty prop;
            prop.line = line_;
            prop.name = identifier(true);
            expect('=');
            prop.value = parseValue(depth);
            obj.props.push_back(std::move(prop));
        }
    }

    TFormValue parseValue(int depth) {
        if (depth > kMaxDepth) fail("values nested too deeply");
        skipSpace();
        if (pos_ >= s_.size()) fail("value expected");
        char c = s_[pos_];
        TFormValue v;
        if (c == '\'' || c == '#') {
            v.kind = TFormValue::String;
            v.text = parseString();
        } else if (c == '[') {
            ++pos_;
            v.kind = TFormValue::Set;
            skipSpace();
            if (pos_ < s_.size() && s_[pos_] == ']') { ++pos_; return v; }
            for (;;) {
                v.set.push_back(identifier(false));
                skipSpace();
                if (pos_ < s_.size() && s_[pos_] == ',') { ++pos_; continue; }
                expect(']');
                break;
            }
        } else if (c == '(') {
            ++pos_;
            v.kind = TFormValue::List;
            for (;;) {
                skipSpace();
                if (pos_ >= s_.size()) fail("')' expected");
                if (s_[pos_] == ')') { ++pos_; break; }
                v.list.push_back(parseValue(depth + 1));
            }
        } else if (c == '{') {
            ++pos_;
            v.kind = TFormValue::Binary;
            int nibble = -1;
            for (;;) {
                skipSpace();
                if (pos_ >= s_.size()) fail("'}' expected");
                char h = s_[pos_++];
                if (h == '}') break;
                int d = (h >= '0' && h <= '9') ? h - '0' : (h >= 'a' && h <= 'f') ? h - 'a' + 10 : (h >= 'A' && h <= 'F') ? h - 'A' + 10 : -1;
                if (d < 0) fail("hexadecimal digit expected in binary data");
                if (nibble < 0) nibble = d;
                else { v.bytes.push_back(uint8_t(nibble * 16 + d)); nibble = -1; }
            }
            if (nibble >= 0) fail("binary data with an odd number of digits");
        } else if (c == '-' || c == '+' || c == '$' || (c >= '0' && c <= '9')) {
            parseNumber(v);
        } else if (identStart(c)) {
            v.kind = TFormValue::Ident;
            v.ident = identifier(true);
        } else {
            fail(std::string("unexpected character '") + c + "'");
        }
        return v;
    }

    void parseNumber(TFormValue& v) {
        size_t start = pos_;
        bool negative = false;
        if (s_[pos_] == '-' || s_[pos_] == '+') { negative = s_[pos_] == '-'; ++pos_; }
        if (pos_ < s_.size() && s_[pos_] == '$') {
            ++pos_;
            size_t digits = pos_;
            while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
            uint64_t u = 0;
            auto r = std::from_chars(s_.data() + digits, s_.data() + pos_, u, 16);
            if (pos_ == digits || r.ec != std::errc() || u > 0xFFFFFFFFull) fail("bad hexadecimal number");
            v.kind = TFormValue::Integer;
            v.integer = negative ? -int64_t(u) : int64_t(u);
            return;
        }
        size_t digits = pos_;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
        if (pos_ == digits) fail("number expected");
        bool real = false;
        if (pos_ + 1 < s_.size() && s_[pos_] == '.' && s_[pos_ + 1] >= '0' && s_[pos_ + 1] <= '9') {
            real = true;
            ++pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            size_t save = pos_++;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            size_t expDigits = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
            if (pos_ == expDigits) pos_ = save;
            else real = true;
        }
        std::string token(s_.substr(start, pos_ - start));
        if (real) {
            v.kind = TFormValue::Float;
            v.real = std::strtod(token.c_str(), nullptr);
        } else {
            int64_t n = 0;
            auto r = std::from_chars(token.data() + (token[0] == '+' ? 1 : 0), token.data() + token.size(), n, 10);
            if (r.ec != std::errc() || n < INT32_MIN || n > UINT32_MAX) fail("number out of range");
            v.kind = TFormValue::Integer;
            v.integer = n;
        }
    }

    // 'text'#123'more' + 'next line'
    std::wstring parseString() {
        std::wstring out;
        for (;;) {
            skipSpace();
            bool any = false;
            while (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) {
                any = true;
                if (s_[pos_] == '#') {
                    ++pos_;
                    size_t start = pos_;
                    unsigned code = 0;
                    int base = 10;
                    if (pos_ < s_.size() && s_[pos_] == '$') { base = 16; start = ++pos_; }
                    while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_])) && (base == 16 || std::isdigit(static_cast<unsigned char>(s_[pos_]))))
                        ++pos_;
                    auto r = std::from_chars(s_.data() + start, s_.data() + pos_, code, base);
                    if (pos_ == start || r.ec != std::errc() || code > 0xFFFF) fail("bad character code");
                    out.push_back(static_cast<wchar_t>(code));
                } else {
                    ++pos_;
                    std::string bytes;
                    for (;;) {
                        if (pos_ >= s_.size() || s_[pos_] == '\n') fail("unterminated string");
                        if (s_[pos_] == '\'') {
                            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') { bytes.push_back('\''); pos_ += 2; continue; }
                            ++pos_;
                            break;
                        }
                        bytes.push_back(s_[pos_++]);
                    }
                    out += WideFromUtf8(bytes);
                }
            }
            if (!any) fail("string expected");
            skipSpace();
            if (pos_ < s_.size() && s_[pos_] == '+') { ++pos_; continue; }
            return out;
        }
    }

    std::string_view s_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

TFormObject ParseFormDescription(std::string_view text) { return Parser(text).parseRoot(); }
