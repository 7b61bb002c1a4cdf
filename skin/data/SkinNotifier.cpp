#include "skin/data/SkinNotifier.h"

#ifndef _WIN32
#include <cstdio>
#endif

namespace {
SkinNotifier& Current() {
    static SkinNotifier notifier;
    return notifier;
}
} // namespace

SkinNotifier SetSkinNotifier(SkinNotifier notifier) {
    SkinNotifier previous = std::move(Current());
    Current() = std::move(notifier);
    return previous ? previous : SkinNotifier(ShowSkinMessageDefault);
}

void NotifySkinUser(const std::string& text) {
    if (Current())
        Current()(text);
    else
        ShowSkinMessageDefault(text);
}

#ifndef _WIN32
// Windows builds take the message box of SkinNotifierWin32.cpp instead.
void ShowSkinMessageDefault(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\r') c = '\n';
    std::fprintf(stderr, "%s\n", line.c_str());
}
#endif
