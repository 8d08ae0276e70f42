// The settings the program works with, in memory: the button table, the three
// key macros, the wheel mode, the sensor speeds and the launcher shortcuts. It
// loads them from storage, stores them table by table, and hands the button
// table to the mouse hook. The tray frame, the pages, the worker thread and
// the launcher popup get the one model passed in. Portable: no Windows headers.
//
// Threads: the main thread writes (frame, pages); the worker thread reads the
// button table, the macros and the wheel mode on every event, without a lock.
// Each button entry is an aligned, lock-free 32-bit atomic with the layout of a
// plain int, so the table can be handed to the hook by address. A macro is read
// whole: a replay that overlaps a store sees the old record or the new one.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "settings/schema.h"
#include "settings/storage.h"

namespace settings {

using SharedInt = std::atomic<std::int32_t>;
static_assert(sizeof(SharedInt) == 4 && alignof(SharedInt) == 4, "table entries must keep the int layout");
static_assert(SharedInt::is_always_lock_free, "table entries must be lock-free");

// Receives the button table and the wheel mode: the mouse hook library.
class HookLink {
 public:
  virtual ~HookLink() = default;
  virtual void SetButtonTable(const volatile std::int32_t* table, int count) = 0;
  virtual void SetWheelMode(std::int32_t mode) = 0;
};

// The device takes sensor speeds 5..20 (the X/Y page's sliders span the same range).
constexpr std::int32_t kDeviceSpeedMin = 5;
constexpr std::int32_t kDeviceSpeedMax = 20;

class SettingsModel {
 public:
  SettingsModel(SettingsStorage& storage, HookLink& hook);
  SettingsModel(const SettingsModel&) = delete;
  SettingsModel& operator=(const SettingsModel&) = delete;

  // For the few values that are not tables (popup position, resolution record).
  SettingsStorage& Storage() { return m_storage; }

  // Start-up, in this order: the macros, the button table, the sensor speeds
  // (profile path). An absent button or speed value reads as its own index; an
  // absent macro entry as 0, an empty slot. The wheel mode and the shortcuts
  // are not read here.
  void Load();

  // ---- button table
  std::int32_t ButtonFunc(int slot) const;
  ButtonTable Buttons() const;
  // In force at once for the worker thread; the hook learns of it by PublishButtons.
  void SetButtonFunc(int slot, std::int32_t code);
  void LoadButtons();
  // All six values through the raw path; a value that cannot be written is skipped.
  void StoreButtons();
  // The one place that hands the table to the mouse hook.
  void PublishButtons();
  // An outside program changed the stored table: load it and hand it over.
  void ReloadButtons();

  // ---- wheel mode (read only on request, never at start-up)
  std::int32_t WheelType() const;
  void ReloadWheel();
  void PublishWheel();

  // ---- key macros 0..2
  KeyMacro Macro(int index) const;
  MacroTable Macros() const;
  void SetMacro(int index, const KeyMacro& macro);
  // The ten values of one macro through the profile path.
  void StoreMacro(int index);

  // ---- sensor speeds: 0 = X, 1 = Y (main thread only)
  std::int32_t Speed(int axis) const;
  void SetSpeed(int axis, std::int32_t value);
  // X then Y through the profile path.
  void StoreSpeeds();
  // Both speeds lie in the device's range (what start-up sends to the device).
  bool SpeedsInDeviceRange() const;

  // ---- launcher shortcuts (main thread only)
  const ShortcutTable& Shortcuts() const { return m_strShortcut; }
  void SetShortcuts(const ShortcutTable& table) { m_strShortcut = table; }
  // Reads the 18 texts through the raw path; absent ones read as empty.
  void LoadShortcuts();
  // Writes every non-empty text through the raw path; empty ones stay as stored.
  void StoreShortcuts();

  // The address the hook is given.
  const volatile std::int32_t* ButtonTableAddress() const;

 private:
  std::int32_t ProfileIntOr(const char* section, const std::string& name, std::int32_t fallback);

  SettingsStorage& m_storage;
  HookLink& m_hook;

  SharedInt m_nButtonFunc[kButtonSlotCount] = {};
  SharedInt m_nMacroKey[kMacroTableSize] = {};
  // Even while no macro is being written; readers retry when it moved.
  std::atomic<std::uint32_t> m_macroVersion{0};
  SharedInt m_nWheelType{0};
  std::int32_t m_nMouseXY[kSpeedCount] = {0, 0};
  ShortcutTable m_strShortcut;
};

}  // namespace settings
