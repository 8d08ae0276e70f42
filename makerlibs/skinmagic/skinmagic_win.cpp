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
// window is painted differently; dialogs keep the platform's own look. The
// text's rules are in skin_text.h.
#include <windows.h>

#include <string>

#include "makerlibs/include/maker_api_win.h"
#include "makerlibs/skinmagic/skin_text.h"

namespace {

using makerlibs::skin::Sections;

struct Skin {
  HINSTANCE instance = nullptr;
  bool loaded = false;
  Sections sections;
};

// One skin per process; each thread that shows dialogs makes its own calls.
SRWLOCK g_lock = SRWLOCK_INIT;
Skin g_skin;

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
    Sections sections = found ? makerlibs::skin::ParseSections(text.data(), text.size()) : Sections();
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
