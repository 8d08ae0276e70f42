#include "sheet/key_names.h"

#include <array>

namespace sheet {
namespace {

constexpr std::uint32_t kFirstNamed = 8;
constexpr std::uint32_t kLastNamed = 222;

// Index = code - kFirstNamed; nullptr where a code has no name.
struct Table {
  std::array<const char*, kLastNamed - kFirstNamed + 1> names{};
  constexpr void Set(std::uint32_t vk, const char* name) { names[vk - kFirstNamed] = name; }
};

constexpr const char* kDigits[10] = {" 0 ", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 ", " 7 ", " 8 ", " 9 "};
constexpr const char* kLetters[26] = {" A ", " B ", " C ", " D ", " E ", " F ", " G ", " H ", " I ",
                                      " J ", " K ", " L ", " M ", " N ", " O ", " P ", " Q ", " R ",
                                      " S ", " T ", " U ", " V ", " W ", " X ", " Y ", " Z "};
constexpr const char* kFunctionKeys[12] = {" F1 ", " F2 ", " F3 ", " F4 ",  " F5 ",  " F6 ",
                                           " F7 ", " F8 ", " F9 ", " F10 ", " F11 ", " F12 "};

constexpr Table MakeTable() {
  Table t;
  t.Set(8, " BackSpace ");
  t.Set(9, " Tab ");
  t.Set(13, " Enter ");
  t.Set(16, " Shift ");
  t.Set(17, " Ctrl ");
  t.Set(18, " Alt ");
  t.Set(19, " Pause ");
  t.Set(20, " CapsLock ");
  t.Set(27, " Esc ");
  t.Set(32, " Space ");
  t.Set(33, " Page UP ");
  t.Set(34, " Page Down ");
  t.Set(35, " End ");
  t.Set(36, " Home ");
  t.Set(37, " Left ");
  t.Set(38, " Up ");
  t.Set(39, " Right ");
  t.Set(40, " Down ");
  t.Set(41, " Select ");
  t.Set(43, " Execute ");
  t.Set(44, " Print Screen ");
  t.Set(45, " Insert ");
  t.Set(46, " Delete ");
  t.Set(47, " Help ");
  for (std::uint32_t i = 0; i < 10; ++i) t.Set(48 + i, kDigits[i]);    // digit keys
  for (std::uint32_t i = 0; i < 26; ++i) t.Set(65 + i, kLetters[i]);   // letter keys
  t.Set(91, " LWIN ");
  t.Set(92, " RWIN ");
  t.Set(93, " APP ");
  for (std::uint32_t i = 0; i < 10; ++i) t.Set(96 + i, kDigits[i]);    // keypad digits read as digits
  t.Set(106, " * ");
  t.Set(107, " + ");
  t.Set(108, "   ");  // the keypad separator: three blanks
  t.Set(109, " - ");
  t.Set(110, " . ");
  t.Set(111, " / ");
  for (std::uint32_t i = 0; i < 12; ++i) t.Set(112 + i, kFunctionKeys[i]);
  t.Set(144, " Number Lock ");
  t.Set(145, " Scroll Lock ");
  // Punctuation: the unshifted labels of a US keyboard, except the backslash
  // key, which has always shown its shifted label.
  t.Set(186, " ; ");
  t.Set(187, " = ");
  t.Set(188, " , ");
  t.Set(189, " - ");
  t.Set(190, " . ");
  t.Set(191, " / ");
  t.Set(192, " ` ");
  t.Set(219, " [ ");
  t.Set(220, " | ");
  t.Set(221, " ] ");
  t.Set(222, " ' ");
  return t;
}

constexpr Table kTable = MakeTable();

}  // namespace

const char* KeyName(std::uint32_t vk) {
  if (vk < kFirstNamed || vk > kLastNamed) return nullptr;
  return kTable.names[vk - kFirstNamed];
}

bool IsLayoutKey(std::uint32_t vk) {
  // VK_OEM_1, VK_OEM_PLUS .. VK_OEM_PERIOD, VK_OEM_2, VK_OEM_3; VK_OEM_4 .. VK_OEM_8; VK_OEM_102.
  return (vk >= 0xBA && vk <= 0xC0) || (vk >= 0xDB && vk <= 0xDF) || vk == 0xE2;
}

namespace {
// The Windows-1252 byte that shows a layout's character as a key label: capital
// letters as on the key caps (ü gives Ü, ß stays), 0 for what the page's code
// page cannot show or what is no label (controls, the blank).
char LabelByte(char32_t c) {
  if (c >= U'a' && c <= U'z') c -= 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 0x20;
  if ((c > 0x20 && c < 0x7F) || (c > 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  return 0;
}
}  // namespace

KeyNamer::KeyNamer(const std::function<char32_t(std::uint32_t vk)>& layout) {
  if (!layout) return;
  for (std::uint32_t vk = 0; vk < m_labels.size(); ++vk)
    if (IsLayoutKey(vk)) m_labels[vk] = LabelByte(layout(vk));
}

std::string KeyNamer::Name(std::uint32_t vk) const {
  if (vk == 0) return std::string();  // an empty slot of a macro
  if (vk < m_labels.size() && m_labels[vk]) return std::string(" ") + m_labels[vk] + " ";
  if (const char* name = KeyName(vk)) return name;
  return " #" + std::to_string(vk) + " ";
}

std::string KeyNamer::Line(const std::int32_t* codes, int count) const {
  std::string line;
  for (int i = 0; i < count; ++i) line += Name(static_cast<std::uint32_t>(codes[i]));
  return line;
}

}  // namespace sheet
