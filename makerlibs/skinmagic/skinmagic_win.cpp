// SkinMagic.dll: the skin library, imported by ordinal only (skinmagic.def;
// the program's side names them in maker_api_win.h).
//   1  BOOL WINAPI (HINSTANCE instance, const char*, const char*, const char*)
//        remembers the instance; the three strings are unused.
//   4  BOOL WINAPI (HINSTANCE module, const char* name, const char* type)
//        loads a text skin from a resource of module (0: the remembered
//        instance, or the program); TRUE when the resource was found.
//   8  BOOL WINAPI (const char* section)
//        TRUE when the loaded skin has that section.
// A light touch on purpose: the skin is read and kept (per process), but no
// window is painted differently; dialogs keep the platform's own look.
//
// The skin text is INI-like (sections of key=value lines, ; comments); only
// which sections exist matters here. Anything unexpected (no sections, stray
// lines, binary bytes) is skipped, never fatal.
#include <windows.h>

#include <cctype>
#include <map>
#include <string>

#include "makerlibs/include/maker_api_win.h"

namespace {

// Section and key names compare without regard to case, as in INI files.
struct NoCase {
  bool operator()(const std::string& a, const std::string& b) const {
    return _stricmp(a.c_str(), b.c_str()) < 0;
  }
};
using Section = std::map<std::string, std::string, NoCase>;
using Sections = std::map<std::string, Section, NoCase>;

struct Skin {
  HINSTANCE instance = nullptr;
  bool loaded = false;
  Sections sections;
};

// One skin per process; each thread that shows dialogs makes its own calls.
SRWLOCK g_lock = SRWLOCK_INIT;
Skin g_skin;

std::string Trim(const std::string& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return s.substr(begin, end - begin);
}

Sections Parse(const char* data, std::size_t size) {
  std::string text(data, size);
  // A resource may be padded with zeros; a BOM may lead.
  std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);

  Sections sections;
  Section* current = nullptr;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      std::size_t close = line.find(']');
      std::string name = close == std::string::npos ? std::string() : Trim(line.substr(1, close - 1));
      current = name.empty() ? nullptr : &sections[name];
      continue;
    }
    std::size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    std::string key = Trim(line.substr(0, eq));
    if (!key.empty()) (*current)[key] = Trim(line.substr(eq + 1));
  }
  return sections;
}

// Reads the resource; false when it is not there.
bool ReadResource(HMODULE module, const char* name, const char* type, std::string* out) {
  HRSRC info = FindResourceA(module, name, type);
  if (!info) return false;
  HGLOBAL handle = LoadResource(module, info);
  if (!handle) return false;
  const void* data = LockResource(handle);
  DWORD size = SizeofResource(module, info);
  if (!data && size) return false;
  out->assign(static_cast<const char*>(data), size);
  return true;
}

}  // namespace

extern "C" {

BOOL WINAPI SkinInit(HINSTANCE instance, const char*, const char*, const char*) {
  AcquireSRWLockExclusive(&g_lock);
  g_skin.instance = instance;
  ReleaseSRWLockExclusive(&g_lock);
  return TRUE;
}

BOOL WINAPI SkinLoadFromResource(HINSTANCE module, const char* name, const char* type) {
  if (!name || !type) return FALSE;
  // Reading and parsing happen outside the lock; only the result is stored.
  try {
    if (!module) {
      AcquireSRWLockShared(&g_lock);
      module = g_skin.instance;
      ReleaseSRWLockShared(&g_lock);
    }
    std::string text;
    bool found = ReadResource(module, name, type, &text);
    Sections sections = found ? Parse(text.data(), text.size()) : Sections();
    // Nothing in here throws: the swap exchanges pointers only.
    AcquireSRWLockExclusive(&g_lock);
    g_skin.loaded = found;
    g_skin.sections.swap(sections);
    ReleaseSRWLockExclusive(&g_lock);
    return found ? TRUE : FALSE;
  } catch (...) {
    return FALSE;  // out of memory: simply no skin
  }
}

BOOL WINAPI SkinApplyToDialogs(const char* section) {
  if (!section) return FALSE;
  try {
    std::string name(section);
    AcquireSRWLockShared(&g_lock);
    bool found = g_skin.loaded && g_skin.sections.count(name) != 0;
    ReleaseSRWLockShared(&g_lock);
    // Deliberately no subclassing or painting: the dialogs keep their look.
    return found ? TRUE : FALSE;
  } catch (...) {
    return FALSE;
  }
}

}  // extern "C"
