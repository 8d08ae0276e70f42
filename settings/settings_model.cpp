#include "settings/settings_model.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace settings {

SettingsModel::SettingsModel(SettingsStorage& storage, HookLink& hook) : m_storage(storage), m_hook(hook) {}

std::int32_t SettingsModel::ProfileIntOr(const char* section, const std::string& name, std::int32_t fallback) {
  return m_storage.ReadProfileInt(section, name).value_or(fallback);
}

void SettingsModel::Load() {
  for (int m = 0; m < kMacroCount; ++m) {
    KeyMacro macro{};
    for (int i = 0; i < kMacroEntries; ++i)
      macro[static_cast<std::size_t>(i)] = ProfileIntOr(kSectionMacro, MacroValueName(m * kMacroEntries + i), 0);
    SetMacro(m, macro);
  }
  LoadButtons();
  LoadPrograms();
  for (int axis = 0; axis < kSpeedCount; ++axis) m_nMouseXY[axis] = ProfileIntOr(kSectionMouseXY, KeyValueName(axis), axis);
}

// ---- button table

std::int32_t SettingsModel::ButtonFunc(int slot) const {
  if (slot < 0 || slot >= kButtonSlotCount) return -1;
  return m_nButtonFunc[slot].load(std::memory_order_relaxed);
}

ButtonTable SettingsModel::Buttons() const {
  ButtonTable table{};
  for (int slot = 0; slot < kButtonSlotCount; ++slot) table[static_cast<std::size_t>(slot)] = ButtonFunc(slot);
  return table;
}

void SettingsModel::SetButtonFunc(int slot, std::int32_t code) {
  if (slot < 0 || slot >= kButtonSlotCount) return;
  m_nButtonFunc[slot].store(code, std::memory_order_relaxed);
}

void SettingsModel::LoadButtons() {
  for (int slot = 0; slot < kButtonSlotCount; ++slot)
    SetButtonFunc(slot, ProfileIntOr(kSectionKey, KeyValueName(slot), slot));
}

void SettingsModel::StoreButtons() {
  for (int slot = 0; slot < kButtonSlotCount; ++slot) m_storage.WriteRegDword(kSectionKey, KeyValueName(slot), ButtonFunc(slot));
}

const volatile std::int32_t* SettingsModel::ButtonTableAddress() const {
  return reinterpret_cast<const volatile std::int32_t*>(m_active.load(std::memory_order_acquire));
}

void SettingsModel::PublishButtons() {
  // Under the lock, so that the hook's last table is the last one chosen.
  const std::lock_guard<std::mutex> lock(m_programLock);
  m_hook.SetButtonTable(ButtonTableAddress(), kButtonSlotCount);
}

void SettingsModel::ReloadButtons() {
  LoadButtons();
  LoadPrograms();
  PublishButtons();
}

// ---- the active table

ButtonTable SettingsModel::ActiveButtons() const {
  const SharedInt* active = m_active.load(std::memory_order_acquire);
  ButtonTable table{};
  for (std::size_t slot = 0; slot < table.size(); ++slot) table[slot] = active[slot].load(std::memory_order_relaxed);
  return table;
}

std::string SettingsModel::ActiveProgram() const {
  const std::lock_guard<std::mutex> lock(m_programLock);
  return m_activeName;
}

void SettingsModel::SelectProgram(const std::string& exeFileName) {
  bool changed = false;
  {
    const std::lock_guard<std::mutex> lock(m_programLock);
    m_foreground = exeFileName;
    changed = ChooseLocked();
  }
  if (changed) NotifyActiveChanged();
}

void SettingsModel::SetActiveChangedListener(std::function<void()> listener) {
  const std::lock_guard<std::mutex> lock(m_programLock);
  m_activeChanged = std::move(listener);
}

bool SettingsModel::ChooseLocked() {
  const SharedInt* table = m_nButtonFunc;
  std::string name;
  if (const ProgramSetting* program = FindProgram(m_programs, m_foreground)) {
    table = m_programTables[static_cast<std::size_t>(program - m_programs.data())];
    name = program->name;
  }
  const bool newTable = table != m_active.load(std::memory_order_relaxed);
  const bool changed = newTable || name != m_activeName;
  m_active.store(table, std::memory_order_release);
  m_activeName = std::move(name);
  if (newTable) m_hook.SetButtonTable(ButtonTableAddress(), kButtonSlotCount);
  return changed;
}

void SettingsModel::NotifyActiveChanged() {
  std::function<void()> listener;
  {
    const std::lock_guard<std::mutex> lock(m_programLock);
    listener = m_activeChanged;
  }
  if (listener) listener();
}

const SharedInt* SettingsModel::InternTable(const ButtonTable& table) {
  for (const auto& block : m_tablePool) {
    bool same = true;
    for (std::size_t slot = 0; slot < table.size(); ++slot)
      same = same && block->codes[slot].load(std::memory_order_relaxed) == table[slot];
    if (same) return block->codes;
  }
  auto block = std::make_unique<TableBlock>();
  for (std::size_t slot = 0; slot < table.size(); ++slot) block->codes[slot].store(table[slot], std::memory_order_relaxed);
  m_tablePool.push_back(std::move(block));
  return m_tablePool.back()->codes;
}

// ---- programs with tables of their own

namespace {

// Valid names only, sorted, each program once (the first of its spellings).
ProgramList Tidy(ProgramList list) {
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](const ProgramSetting& program) { return !IsValidProgramName(program.name); }),
             list.end());
  std::stable_sort(list.begin(), list.end(), [](const ProgramSetting& a, const ProgramSetting& b) {
    return ProgramNameLess(a.name, b.name);
  });
  list.erase(std::unique(list.begin(), list.end(),
                         [](const ProgramSetting& a, const ProgramSetting& b) { return SameProgram(a.name, b.name); }),
             list.end());
  return list;
}

}  // namespace

ProgramList SettingsModel::Programs() const {
  const std::lock_guard<std::mutex> lock(m_programLock);
  return m_programs;
}

void SettingsModel::ReplacePrograms(ProgramList list) {
  list = Tidy(std::move(list));
  bool changed = false;
  {
    const std::lock_guard<std::mutex> lock(m_programLock);
    m_programTables.clear();
    for (const ProgramSetting& program : list) m_programTables.push_back(InternTable(program.buttons));
    m_programs = std::move(list);
    changed = ChooseLocked();
  }
  if (changed) NotifyActiveChanged();
}

void SettingsModel::LoadPrograms() {
  ProgramList list;
  for (const std::string& name : m_storage.ReadSubsections(kSectionPrograms)) {
    if (!IsValidProgramName(name)) continue;
    ProgramSetting program{name, {}};
    const std::string section = ProgramSection(name);
    for (int slot = 0; slot < kButtonSlotCount; ++slot)
      program.buttons[static_cast<std::size_t>(slot)] =
          m_storage.ReadRegDword(section, KeyValueName(slot)).value_or(ButtonFunc(slot));
    list.push_back(std::move(program));
  }
  ReplacePrograms(std::move(list));
}

void SettingsModel::ApplyPrograms(const ProgramList& chosen) {
  const ProgramList edited = Tidy(chosen);
  const ProgramList current = Programs();
  const auto has = [](const ProgramList& list, const ProgramSetting& wanted, bool withTable) {
    return std::any_of(list.begin(), list.end(), [&](const ProgramSetting& program) {
      return program.name == wanted.name && (!withTable || program.buttons == wanted.buttons);
    });
  };
  // Removed first: the registry's names ignore case, so a program renamed only
  // in case is deleted under its old name and written under its new one.
  for (const ProgramSetting& program : current)
    if (!has(edited, program, false)) m_storage.DeleteSection(ProgramSection(program.name));
  for (const ProgramSetting& program : edited) {
    if (has(current, program, true)) continue;
    // The profile path creates "Setting For Programs" and the program's subkey on the way.
    const std::string section = ProgramSection(program.name);
    for (int slot = 0; slot < kButtonSlotCount; ++slot)
      m_storage.WriteProfileInt(section, KeyValueName(slot), program.buttons[static_cast<std::size_t>(slot)]);
  }
  ReplacePrograms(edited);
  PublishButtons();
}

// ---- wheel mode

std::int32_t SettingsModel::WheelType() const { return m_nWheelType.load(std::memory_order_relaxed); }

void SettingsModel::ReloadWheel() {
  m_nWheelType.store(ProfileIntOr(kSectionWheel, kValueWheelType, 0), std::memory_order_relaxed);
  PublishWheel();
}

void SettingsModel::PublishWheel() { m_hook.SetWheelMode(WheelType()); }

// ---- key macros

KeyMacro SettingsModel::Macro(int index) const {
  KeyMacro macro{};
  if (index < 0 || index >= kMacroCount) return macro;
  const int first = index * kMacroEntries;
  for (;;) {
    const std::uint32_t before = m_macroVersion.load(std::memory_order_acquire);
    if ((before & 1u) == 0) {
      for (int i = 0; i < kMacroEntries; ++i)
        macro[static_cast<std::size_t>(i)] = m_nMacroKey[first + i].load(std::memory_order_relaxed);
      std::atomic_thread_fence(std::memory_order_acquire);
      if (m_macroVersion.load(std::memory_order_relaxed) == before) return macro;
    }
    // A store is under way on the main thread; it takes a few instructions.
    std::this_thread::yield();
  }
}

MacroTable SettingsModel::Macros() const {
  MacroTable table{};
  for (int m = 0; m < kMacroCount; ++m) {
    KeyMacro macro = Macro(m);
    for (int i = 0; i < kMacroEntries; ++i)
      table[static_cast<std::size_t>(m * kMacroEntries + i)] = macro[static_cast<std::size_t>(i)];
  }
  return table;
}

void SettingsModel::SetMacro(int index, const KeyMacro& macro) {
  if (index < 0 || index >= kMacroCount) return;
  // Only the main thread writes, so the version needs no read-modify-write.
  const std::uint32_t version = m_macroVersion.load(std::memory_order_relaxed);
  m_macroVersion.store(version + 1, std::memory_order_relaxed);
  std::atomic_thread_fence(std::memory_order_release);
  for (int i = 0; i < kMacroEntries; ++i)
    m_nMacroKey[index * kMacroEntries + i].store(macro[static_cast<std::size_t>(i)], std::memory_order_relaxed);
  m_macroVersion.store(version + 2, std::memory_order_release);
}

void SettingsModel::StoreMacro(int index) {
  if (index < 0 || index >= kMacroCount) return;
  const KeyMacro macro = Macro(index);
  for (int i = 0; i < kMacroEntries; ++i)
    m_storage.WriteProfileInt(kSectionMacro, MacroValueName(index * kMacroEntries + i), macro[static_cast<std::size_t>(i)]);
}

// ---- sensor speeds

std::int32_t SettingsModel::Speed(int axis) const { return axis >= 0 && axis < kSpeedCount ? m_nMouseXY[axis] : 0; }

void SettingsModel::SetSpeed(int axis, std::int32_t value) {
  if (axis >= 0 && axis < kSpeedCount) m_nMouseXY[axis] = value;
}

void SettingsModel::StoreSpeeds() {
  for (int axis = 0; axis < kSpeedCount; ++axis) m_storage.WriteProfileInt(kSectionMouseXY, KeyValueName(axis), m_nMouseXY[axis]);
}

bool SettingsModel::SpeedsInDeviceRange() const {
  for (std::int32_t speed : m_nMouseXY)
    if (speed < kDeviceSpeedMin || speed > kDeviceSpeedMax) return false;
  return true;
}

// ---- launcher shortcuts

void SettingsModel::LoadShortcuts() {
  for (int slot = 1; slot <= kShortcutCount; ++slot)
    m_strShortcut[static_cast<std::size_t>(slot - 1)] = m_storage.ReadRegString(kSectionShortcut, ShortcutValueName(slot));
}

void SettingsModel::StoreShortcuts() {
  for (int slot = 1; slot <= kShortcutCount; ++slot) {
    const std::string& text = m_strShortcut[static_cast<std::size_t>(slot - 1)];
    if (!text.empty()) m_storage.WriteRegString(kSectionShortcut, ShortcutValueName(slot), text);
  }
}

}  // namespace settings
