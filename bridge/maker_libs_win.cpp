#include "bridge/maker_libs_win.h"

#include "makerlibs/include/maker_api_win.h"

namespace bridge {
namespace {

// One library's entry points, resolved once. Each pointer may stay null.
struct Varnel {
  PointerHookStartFn start = nullptr;
  PointerHookStopFn stop = nullptr;
  PointerHookSetTargetFn setTarget = nullptr;
  PointerHookSetButtonTableFn setButtonTable = nullptr;
  PointerHookSetWheelModeFn setWheelMode = nullptr;
};
struct Oskem {
  KeyHookStartFn start = nullptr;
  KeyHookStopFn stop = nullptr;
  KeyHookSetTargetFn setTarget = nullptr;
};
struct Fenwix {
  DeviceLinkOpenFn open = nullptr;
  DeviceLinkCloseFn close = nullptr;
};

template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& fn) {
  fn = module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// The libraries stay loaded until the process ends; function-local statics
// make the first use from either thread safe.
const Varnel& VarnelLib() {
  static const Varnel lib = [] {
    Varnel v;
    HMODULE m = ::LoadLibraryA("Varnel.dll");
    Resolve(m, "PointerHookStart", v.start);
    Resolve(m, "PointerHookStop", v.stop);
    Resolve(m, "PointerHookSetTarget", v.setTarget);
    Resolve(m, "PointerHookSetButtonTable", v.setButtonTable);
    Resolve(m, "PointerHookSetWheelMode", v.setWheelMode);
    return v;
  }();
  return lib;
}

const Oskem& OskemLib() {
  static const Oskem lib = [] {
    Oskem o;
    HMODULE m = ::LoadLibraryA("Oskem.dll");
    Resolve(m, "KeyHookStart", o.start);
    Resolve(m, "KeyHookStop", o.stop);
    Resolve(m, "KeyHookSetTarget", o.setTarget);
    return o;
  }();
  return lib;
}

const Fenwix& FenwixLib() {
  static const Fenwix lib = [] {
    Fenwix f;
    HMODULE m = ::LoadLibraryA("Fenwix.dll");
    Resolve(m, "DeviceLinkOpen", f.open);
    Resolve(m, "DeviceLinkClose", f.close);
    return f;
  }();
  return lib;
}

}  // namespace

int PointerHookStart() { return VarnelLib().start ? VarnelLib().start() : 0; }
int PointerHookStop() { return VarnelLib().stop ? VarnelLib().stop() : 0; }
void PointerHookSetTarget(HWND target) {
  if (VarnelLib().setTarget) VarnelLib().setTarget(target);
}
void PointerHookSetButtonTable(const volatile int* table, int count) {
  if (VarnelLib().setButtonTable) VarnelLib().setButtonTable(table, count);
}
void PointerHookSetWheelMode(int mode) {
  if (VarnelLib().setWheelMode) VarnelLib().setWheelMode(mode);
}

int KeyHookStart() { return OskemLib().start ? OskemLib().start() : 0; }
int KeyHookStop() { return OskemLib().stop ? OskemLib().stop() : 0; }
void KeyHookSetTarget(HWND target) {
  if (OskemLib().setTarget) OskemLib().setTarget(target);
}

int DeviceLinkOpen(HWND target, UINT message, int reserved) {
  return FenwixLib().open ? FenwixLib().open(target, message, reserved) : 0;
}
int DeviceLinkClose() { return FenwixLib().close ? FenwixLib().close() : 0; }

}  // namespace bridge
