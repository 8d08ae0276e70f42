// The skin text of SkinMagic.dll: INI-like sections of key=value lines with ;
// or # comments. Only which sections exist matters to the library. Anything
// unexpected (no sections, stray lines, binary bytes) is skipped, never fatal.
// Portable: no Windows headers.
#pragma once

#include <cstddef>
#include <set>
#include <string>

namespace makerlibs {
namespace skin {

// Section names compare without regard to case, as in INI files.
struct NoCase {
  bool operator()(const std::string& a, const std::string& b) const;
};
using Sections = std::set<std::string, NoCase>;

// The sections of a resource's bytes: a text that may be padded with zeros
// and may begin with a UTF-8 byte-order mark.
Sections ParseSections(const char* data, std::size_t size);

}  // namespace skin
}  // namespace makerlibs
