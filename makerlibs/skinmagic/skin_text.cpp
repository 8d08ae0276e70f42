#include "makerlibs/skinmagic/skin_text.h"

#include <algorithm>
#include <cctype>

namespace makerlibs {
namespace skin {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Trim(const std::string& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return s.substr(begin, end - begin);
}

}  // namespace

bool NoCase::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

Sections ParseSections(const char* data, std::size_t size) {
  std::string text(data ? data : "", data ? size : 0);
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);

  Sections sections;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] != '[') continue;  // comments, keys and stray lines name no section
    const std::size_t close = line.find(']');
    if (close == std::string::npos) continue;
    const std::string name = Trim(line.substr(1, close - 1));
    if (!name.empty()) sections.insert(name);
  }
  return sections;
}

}  // namespace skin
}  // namespace makerlibs
