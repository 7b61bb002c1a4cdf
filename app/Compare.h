// Natural order of file names: names are cut into runs of one character kind (other bytes, digits,
// letters, double-byte characters) and compared run by run. Names are 8-bit texts in the system's
// ANSI code page; every byte of 0x81 or above starts a two-byte character, as in GBK.
#pragma once

#include <string>
#include <string_view>

enum CharKindCode : int {
    kindDoubleByte = 0,
    kindLetter = 1,
    kindDigit = 2,
    kindOther = 3,
};

// Kind code of the first byte of a non-empty text.
int CharKind(std::string_view text);

// The leading run of one kind; a double-byte character counts as two bytes whose second is not tested.
std::string_view FirstRun(std::string_view text);

// 2 when both are non-empty; otherwise 1 (only a non-empty), -1 (only b non-empty) or 0.
int CompareEmpty(std::string_view a, std::string_view b);

// 1 or -1 for two runs of different kinds, by the rank other < digit < letter < double-byte.
int CompareKinds(std::string_view ra, std::string_view rb);

// -1 when a sorts before b, 0 when equal, 1 when after.
int CompareNames(std::string_view a, std::string_view b);

// A byte string whose plain byte order (unsigned, shorter prefix first) is the order of CompareNames:
// per run its kind's rank, its length and its bytes, then a 0 after the last run. Comparing keys
// made once per name is much cheaper than comparing the names run by run on every comparison.
std::string NaturalSortKey(std::string_view name);
