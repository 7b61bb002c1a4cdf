// UTF-16 <-> UTF-8 and the host side of Wine paths.
#pragma once

#include <string>

namespace grv::standin {

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

// A Windows path for `path`; an absolute Unix path ("/tmp/x") is mapped through Wine.
std::wstring windowsPath(const std::wstring& path);
// The host (Unix) path of a Windows path when running under Wine, else empty.
std::string unixPath(const std::wstring& path);

}  // namespace grv::standin
