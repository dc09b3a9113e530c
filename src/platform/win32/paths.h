// Paths as the system resolves them, and in the form its file functions take
// at any length.
#pragma once

#include <string>

namespace wendora::win32 {

// The path made absolute, with "." and ".." and trailing dots and blanks
// dropped, as the system does before it opens anything; the path itself
// when that fails.
std::wstring FullPath(const std::wstring& path);

// The full path with every short (8.3) name written long; the full path
// when that cannot be had (a part of it does not exist).
std::wstring ResolvedPath(const std::wstring& path);

// The path as the system's file functions take it at any length: made
// absolute, then written in the "\\?\" form, which has no length limit but
// is taken literally (so it is made absolute first).
std::wstring ExtendedPath(const std::wstring& path);

}  // namespace wendora::win32
