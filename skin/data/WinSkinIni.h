// TQuickIni: the forward-scanning reader of a skin's ini-style definition text. It keeps the meaningful
// lines in order with an index of the section headers and answers look-ups; it never writes.
//
// Its rules: lines end at CR, LF (CR LF is one end) or a zero byte, which also ends the text; each line
// is trimmed of every character up to code 32; empty lines and lines starting with ";" are dropped; a
// line starting with "[" and ending with "]" is a section header, spaces inside the brackets included;
// any other line is an entry whose key is the text before the first "=" (trimmed, lower-cased) and whose
// value is the text after it (trimmed, case kept). Look-ups take the first section of a name (in any
// letter case) and, within it, the first line with the key; an empty value yields the default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TQuickIni {
public:
    struct TSection {
        std::string Header; // with its brackets, e.g. "[Personality]"
        std::size_t Line;   // index of the header in Lines()
    };

    // Replaces the content with the parse of the stream's bytes from `position` on. Without a stream
    // nothing happens.
    void LoadFromStream(const std::vector<std::uint8_t>* stream, std::size_t position = 0);
    void LoadFromText(std::string_view text);

    // Fills `target` with the section names in text order, brackets removed and trimmed again. A missing
    // target is a programming error: std::invalid_argument "The parameter Strings is unassigned!".
    void ReadSections(std::vector<std::string>* target) const;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;

    // The value read as an integer: an optional sign, then decimal digits or "$" and hexadecimal digits
    // ("0x" counts as "$" when more follows); anything else, or a number outside 32 bits, yields `def`.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<TSection>& Sections() const { return sections_; }

private:
    struct TEntry {
        bool Header = false;
        std::string Key; // lower-case
        std::string Value;
    };

    std::vector<std::string> lines_;
    std::vector<TEntry> entries_; // one per line
    std::vector<TSection> sections_;
};

// The integer conversion ReadInteger uses after its "0x" rewrite; false when the text is not a number.
bool ParseSkinInteger(std::string_view text, int& value);
