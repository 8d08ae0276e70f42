#include "settings/program_settings.h"

#include <algorithm>
#include <cstring>

namespace settings {
namespace {

constexpr std::size_t kMaxProgramName = 255;

// The upper-case letter of a Windows-1252 byte; other bytes stay as they are.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  // à..þ except ÷ fold onto À..Þ except ×.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

}  // namespace

bool IsValidProgramName(const std::string& name) {
  if (name.empty() || name.size() > kMaxProgramName) return false;
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || std::strchr("\\/:*?\"<>|", ch)) return false;
  }
  return true;
}

bool SameProgram(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(static_cast<unsigned char>(x)) == FoldCase(static_cast<unsigned char>(y));
         });
}

bool ProgramNameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return FoldCase(static_cast<unsigned char>(x)) < FoldCase(static_cast<unsigned char>(y));
  });
}

std::string FileNameOfPath(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

const ProgramSetting* FindProgram(const ProgramList& list, const std::string& exeFileName) {
  if (exeFileName.empty()) return nullptr;
  for (const ProgramSetting& program : list)
    if (SameProgram(program.name, exeFileName)) return &program;
  return nullptr;
}

}  // namespace settings
