// The one message the skin reader shows its user (a package of unknown format), through a notifier that
// can be replaced: by default a modal message box on Windows and a line on standard error elsewhere.
#pragma once

#include <functional>
#include <string>

// Receives the message as UTF-8 text.
using SkinNotifier = std::function<void(const std::string& text)>;

// Installs a notifier and returns the previous one; an empty notifier restores the default.
SkinNotifier SetSkinNotifier(SkinNotifier notifier);

// Shows the text through the current notifier.
void NotifySkinUser(const std::string& text);

// The platform's default notifier.
void ShowSkinMessageDefault(const std::string& text);
