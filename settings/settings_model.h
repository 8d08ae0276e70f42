// The settings the program works with, in memory: the button table, the
// programs' own button tables, the three key macros, the wheel mode, the
// sensor speeds and the launcher shortcuts. It loads them from storage, stores
// them table by table, and hands the active button table to the mouse hook.
// The tray frame, the pages, the worker thread and the launcher popup get the
// one model passed in. Portable: no Windows headers.
//
// Threads: the main thread writes (frame, pages); the worker thread reads the
// button table, the macros and the wheel mode on every event, without a lock.
// Each button entry is an aligned, lock-free 32-bit atomic with the layout of a
// plain int, so the table can be handed to the hook by address. A macro is read
// whole: a replay that overlaps a store sees the old record or the new one.
//
// The active table is the main table ("Setting For Key") or the table of the
// program in the foreground. The worker reads it through one atomic pointer;
// a program's table never changes once made (an edit makes another), so a
// switch hands over a whole table, to the worker and to the hook alike.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "settings/program_settings.h"
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

  // Start-up, in this order: the macros, the button table, the programs' tables,
  // the sensor speeds (profile path). An absent button or speed value reads as
  // its own index; an absent macro entry as 0, an empty slot. The wheel mode
  // and the shortcuts are not read here.
  void Load();

  // ---- the main button table ("Setting For Key"), edited by the Buttons page
  std::int32_t ButtonFunc(int slot) const;
  ButtonTable Buttons() const;
  // In force at once for the worker thread while the main table is active; the
  // hook learns of it by PublishButtons.
  void SetButtonFunc(int slot, std::int32_t code);
  void LoadButtons();
  // All six values through the raw path; a value that cannot be written is skipped.
  void StoreButtons();
  // The one place that hands the active table to the mouse hook.
  void PublishButtons();
  // An outside program changed the stored tables: load the main table and the
  // programs' ones, choose again for the same foreground program and hand it over.
  void ReloadButtons();

  // ---- the active table: the one the worker performs and the hook is given
  // Lock-free; read on the worker at each event.
  ButtonTable ActiveButtons() const;
  // The program's name as stored, or "" while the main table is active (any thread).
  std::string ActiveProgram() const;
  // Worker thread, on a foreground change: the program's table, or the main
  // table when the name is empty or has no settings. Hands the table to the
  // hook (whole, one call) only when the choice changed.
  void SelectProgram(const std::string& exeFileName);
  // Called after a switch, on the thread that made it.
  void SetActiveChangedListener(std::function<void()> listener);

  // ---- programs with tables of their own (main thread)
  // A copy, in load order (sorted case-insensitively by name).
  ProgramList Programs() const;
  // Each valid subkey of "Setting For Programs"; a value that is absent or not
  // a DWORD reads as the main table's function for that slot. Run by Load()
  // and ReloadButtons().
  void LoadPrograms();
  // Stores what differs from the current list (a changed or new program's six
  // values, created on the way; a removed program's subkey deleted), replaces
  // the list, chooses again for the same foreground program and hands the
  // active table to the hook at once. Invalid names and repeats are dropped.
  void ApplyPrograms(const ProgramList& edited);

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

  // The address the hook is given: the active table's.
  const volatile std::int32_t* ButtonTableAddress() const;

 private:
  struct TableBlock {
    SharedInt codes[kButtonSlotCount] = {};
  };

  std::int32_t ProfileIntOr(const char* section, const std::string& name, std::int32_t fallback);
  // m_programLock held: a block holding `table`, made once per distinct table.
  const SharedInt* InternTable(const ButtonTable& table);
  // Replaces the list (sorted, valid and distinct names only) and chooses again.
  void ReplacePrograms(ProgramList list);
  // m_programLock held: chooses for m_foreground, hands a new table to the hook;
  // true when the table or the program changed.
  bool ChooseLocked();
  void NotifyActiveChanged();

  SettingsStorage& m_storage;
  HookLink& m_hook;

  SharedInt m_nButtonFunc[kButtonSlotCount] = {};
  // m_nButtonFunc or a block of m_tablePool.
  std::atomic<const SharedInt*> m_active{m_nButtonFunc};
  // Guards what follows: the worker chooses while the main thread replaces the list.
  mutable std::mutex m_programLock;
  ProgramList m_programs;
  std::vector<const SharedInt*> m_programTables;  // one per entry of m_programs
  // Every table a program ever had, never changed or freed while the model
  // lives: the worker or the hook may still read one a switch has just left.
  std::vector<std::unique_ptr<TableBlock>> m_tablePool;
  std::string m_foreground;  // as SelectProgram was last told
  std::string m_activeName;
  std::function<void()> m_activeChanged;
  SharedInt m_nMacroKey[kMacroTableSize] = {};
  // Even while no macro is being written; readers retry when it moved.
  std::atomic<std::uint32_t> m_macroVersion{0};
  SharedInt m_nWheelType{0};
  std::int32_t m_nMouseXY[kSpeedCount] = {0, 0};
  ShortcutTable m_strShortcut;
};

}  // namespace settings
