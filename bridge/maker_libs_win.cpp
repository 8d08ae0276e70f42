#include "bridge/maker_libs_win.h"

#include "framework/libraries_win.h"
#include "makerlibs/include/maker_api_win.h"

namespace bridge {

fw::UniqueModule LoadProgramLibrary(const char* fileName) { return fw::UniqueModule(fw::LoadOwnLibrary(fileName)); }

namespace {

// One library's entry points, resolved once. Each pointer may stay null.
struct Varnel {
  fw::UniqueModule module;
  PointerHookStartFn start = nullptr;
  PointerHookStopFn stop = nullptr;
  PointerHookSetTargetFn setTarget = nullptr;
  PointerHookSetButtonTableFn setButtonTable = nullptr;
  PointerHookSetWheelModeFn setWheelMode = nullptr;
  PointerHookLastEventTimeFn lastEventTime = nullptr;
};
struct Oskem {
  fw::UniqueModule module;
  KeyHookStartFn start = nullptr;
  KeyHookStopFn stop = nullptr;
  KeyHookSetTargetFn setTarget = nullptr;
  KeyHookLastEventTimeFn lastEventTime = nullptr;
};
struct Fenwix {
  fw::UniqueModule module;
  DeviceLinkOpenFn open = nullptr;
  DeviceLinkCloseFn close = nullptr;
};

template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& fn) {
  fn = module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// Function-local statics make the first use from either thread safe; the
// libraries are let go when the process ends (a hook thread that still runs
// keeps its own library loaded).
const Varnel& VarnelLib() {
  static const Varnel lib = [] {
    Varnel v;
    v.module = LoadProgramLibrary("Varnel.dll");
    HMODULE m = v.module.get();
    Resolve(m, "PointerHookStart", v.start);
    Resolve(m, "PointerHookStop", v.stop);
    Resolve(m, "PointerHookSetTarget", v.setTarget);
    Resolve(m, "PointerHookSetButtonTable", v.setButtonTable);
    Resolve(m, "PointerHookSetWheelMode", v.setWheelMode);
    Resolve(m, "PointerHookLastEventTime", v.lastEventTime);
    return v;
  }();
  return lib;
}

const Oskem& OskemLib() {
  static const Oskem lib = [] {
    Oskem o;
    o.module = LoadProgramLibrary("Oskem.dll");
    HMODULE m = o.module.get();
    Resolve(m, "KeyHookStart", o.start);
    Resolve(m, "KeyHookStop", o.stop);
    Resolve(m, "KeyHookSetTarget", o.setTarget);
    Resolve(m, "KeyHookLastEventTime", o.lastEventTime);
    return o;
  }();
  return lib;
}

const Fenwix& FenwixLib() {
  static const Fenwix lib = [] {
    Fenwix f;
    f.module = LoadProgramLibrary("Fenwix.dll");
    HMODULE m = f.module.get();
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

bool HooksLastEventTime(DWORD* tick) {
  if (!VarnelLib().lastEventTime || !OskemLib().lastEventTime) return false;
  const DWORD mouse = VarnelLib().lastEventTime();
  const DWORD key = OskemLib().lastEventTime();
  // The newer of the two, by difference (the tick count wraps); 0 is "never".
  *tick = !key || (mouse && static_cast<LONG>(mouse - key) > 0) ? mouse : key;
  return true;
}

int DeviceLinkOpen(HWND target, UINT message, int reserved) {
  return FenwixLib().open ? FenwixLib().open(target, message, reserved) : 0;
}
int DeviceLinkClose() { return FenwixLib().close ? FenwixLib().close() : 0; }

}  // namespace bridge
