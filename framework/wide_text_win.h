// UTF-8 texts of the program to and from the UTF-16 the wide Win32 calls take,
// and UTF-16 into the code page of the narrow calls.
// Texts that the program keeps in UTF-8 (the launcher's paths) cross to the
// system only through these, so a path outside the code page survives.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

inline std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  return wide;
}

inline std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], n, nullptr, nullptr);
  return utf8;
}

inline std::string Utf8(const wchar_t* wide) { return wide ? Utf8(std::wstring(wide)) : std::string(); }

// A text in the system's code page, for the narrow calls (the registry's
// names). A character without a spelling there becomes "?", never a look-alike
// letter; *lossy tells whether any did.
inline std::string CodePageText(const std::wstring& wide, bool* lossy = nullptr) {
  if (lossy) *lossy = false;
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string text(static_cast<std::size_t>(n), '\0');
  BOOL defaulted = FALSE;
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, &text[0], n, "?", &defaulted);
  if (lossy) *lossy = defaulted != FALSE;
  return text;
}

}  // namespace fw
