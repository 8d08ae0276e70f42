// Holders for the handles the program owns: each handle is released in one
// place, the holder's, when it is replaced or when the holder goes. One
// template over a small traits type (the handle type, its "none" value and
// its closer) serves every kind; ComPtr does the same for COM interfaces.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <utility>

namespace fw {

template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() = default;
  explicit Unique(Handle handle) : m_handle(handle) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : m_handle(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  Handle get() const { return m_handle; }
  explicit operator bool() const { return m_handle != Traits::None(); }
  // Gives the handle up without closing it.
  Handle release() { return std::exchange(m_handle, Traits::None()); }
  void reset(Handle handle = Traits::None()) {
    const Handle old = std::exchange(m_handle, handle);
    if (old != Traits::None()) Traits::Close(old);
  }

 private:
  Handle m_handle = Traits::None();
};

namespace traits {
struct Menu {
  using Handle = HMENU;
  static Handle None() { return nullptr; }
  static void Close(Handle menu) { ::DestroyMenu(menu); }
};
// Kernel objects that report failure as null (mutexes, events, threads).
struct Kernel {
  using Handle = HANDLE;
  static Handle None() { return nullptr; }
  static void Close(Handle handle) { ::CloseHandle(handle); }
};
// Files and devices (CreateFile), which report failure as INVALID_HANDLE_VALUE.
struct File {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { ::CloseHandle(handle); }
};
struct Module {
  using Handle = HMODULE;
  static Handle None() { return nullptr; }
  static void Close(Handle module) { ::FreeLibrary(module); }
};
// Device contexts the program created (CreateDC, CreateCompatibleDC).
struct CreatedDc {
  using Handle = HDC;
  static Handle None() { return nullptr; }
  static void Close(Handle dc) { ::DeleteDC(dc); }
};
// The screen's device context (GetDC(nullptr)), which is released rather than deleted.
struct ScreenDc {
  using Handle = HDC;
  static Handle None() { return nullptr; }
  static void Close(Handle dc) { ::ReleaseDC(nullptr, dc); }
};
struct RegistryKey {
  using Handle = HKEY;
  static Handle None() { return nullptr; }
  static void Close(Handle key) { ::RegCloseKey(key); }
};
struct Bitmap {
  using Handle = HBITMAP;
  static Handle None() { return nullptr; }
  static void Close(Handle bitmap) { ::DeleteObject(bitmap); }
};
struct WinEventHook {
  using Handle = HWINEVENTHOOK;
  static Handle None() { return nullptr; }
  static void Close(Handle hook) { ::UnhookWinEvent(hook); }
};
}  // namespace traits

using UniqueMenu = Unique<traits::Menu>;
using UniqueHandle = Unique<traits::Kernel>;
using UniqueFile = Unique<traits::File>;
using UniqueModule = Unique<traits::Module>;
using UniqueDc = Unique<traits::CreatedDc>;
using UniqueScreenDc = Unique<traits::ScreenDc>;
using UniqueBitmap = Unique<traits::Bitmap>;
using UniqueRegKey = Unique<traits::RegistryKey>;
using UniqueWinEventHook = Unique<traits::WinEventHook>;

// One reference to a COM interface, released when replaced or when it goes.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      m_ptr = std::exchange(other.m_ptr, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const { return m_ptr; }
  Interface* operator->() const { return m_ptr; }
  explicit operator bool() const { return m_ptr != nullptr; }
  // For the out-parameter of a call that hands over a reference; drops the old one.
  Interface** Put() {
    Reset();
    return &m_ptr;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  void Reset() {
    if (Interface* old = std::exchange(m_ptr, nullptr)) old->Release();
  }

 private:
  Interface* m_ptr = nullptr;
};

}  // namespace fw
