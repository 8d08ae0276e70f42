#include "settings/settings_model.h"

#include <thread>

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
  return reinterpret_cast<const volatile std::int32_t*>(&m_nButtonFunc[0]);
}

void SettingsModel::PublishButtons() { m_hook.SetButtonTable(ButtonTableAddress(), kButtonSlotCount); }

void SettingsModel::ReloadButtons() {
  LoadButtons();
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
