#include "PictureCaption.h"

int CaptionCharacters(const std::vector<int>& charBytes, int typeBytes) {
    long long nameBytes = 0;
    for (int b : charBytes) nameBytes += b;
    const long long keep = nameBytes - typeBytes + 1;
    int characters = 0;
    long long taken = 0;
    for (int b : charBytes) {
        if (taken + b > keep) break;
        taken += b;
        ++characters;
    }
    return characters;
}
