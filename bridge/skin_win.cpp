#include "bridge/skin_win.h"

#include "bridge/maker_libs_win.h"

#include "makerlibs/include/maker_api_win.h"

namespace bridge {
namespace {
template <typename Fn>
Fn ExportByOrdinal(HMODULE library, WORD ordinal) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}
}  // namespace

void ApplySkin(HINSTANCE instance) {
  // Loaded once per process and kept: each thread makes its own three calls.
  static const fw::UniqueModule skin = LoadProgramLibrary("SkinMagic.dll");
  HMODULE library = skin.get();
  if (!library) return;
  const auto init = ExportByOrdinal<SkinInitFn>(library, kSkinInitOrdinal);
  const auto load = ExportByOrdinal<SkinLoadFromResourceFn>(library, kSkinLoadFromResourceOrdinal);
  const auto apply = ExportByOrdinal<SkinApplyToDialogsFn>(library, kSkinApplyToDialogsOrdinal);
  if (init) init(instance, nullptr, nullptr, nullptr);
  if (load) load(instance, "SKIN1", "Skin");
  if (apply) apply("Dialog");
}

}  // namespace bridge
