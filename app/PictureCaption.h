// The caption written under a picture: the name less as many bytes as the picture type has, plus one
// ("photo.jpg" with "*.jpg" gives "photo"). Counted in the system's ANSI code page, but never cutting
// a character in half: only whole characters are kept.
#pragma once

#include <vector>

// charBytes: the ANSI length of each character of the name, in order; typeBytes: the ANSI length of
// the picture type. Returns how many characters of the name make the caption.
int CaptionCharacters(const std::vector<int>& charBytes, int typeBytes);
