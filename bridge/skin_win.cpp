#include "bridge/skin_win.h"

#include "framework/libraries_win.h"

namespace bridge {
namespace {
typedef BOOL(WINAPI* InitFn)(HINSTANCE, const char*, const char*, const char*);
typedef BOOL(WINAPI* LoadFromResourceFn)(HINSTANCE, const char*, const char*);
typedef BOOL(WINAPI* ApplyToDialogsFn)(const char*);
}  // namespace

void ApplySkin(HINSTANCE instance) {
  // Loaded once per process and kept: each thread makes its own three calls.
  static HMODULE library = fw::LoadOwnLibrary("SkinMagic.dll");
  if (!library) return;
  auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(1))));
  auto load =
      reinterpret_cast<LoadFromResourceFn>(reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(4))));
  auto apply =
      reinterpret_cast<ApplyToDialogsFn>(reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(8))));
  if (init) init(instance, nullptr, nullptr, nullptr);
  if (load) load(instance, "SKIN1", "Skin");
  if (apply) apply("Dialog");
}

}  // namespace bridge
