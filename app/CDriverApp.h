// The application object: start-up, and the settings tables that the tray
// frame, the configuration pages and the worker thread share.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "app/settings_schema.h"
#include "bridge/CMsgThread.h"
#include "framework/WinApp.h"

class CMainFrame;

// The tables are written on the main thread (frame, pages) and read on the
// worker thread (button actions) without a lock. Each entry is an aligned,
// lock-free 32-bit atomic with the layout of a plain int, so the button table
// can still be handed to the mouse hook by address.
using SharedInt = std::atomic<std::int32_t>;
static_assert(sizeof(SharedInt) == 4 && alignof(SharedInt) == 4, "table entries must keep the int layout");
static_assert(SharedInt::is_always_lock_free, "table entries must be lock-free");

class CDriverApp : public fw::WinApp {
 public:
  CDriverApp();
  ~CDriverApp() override;

  BOOL InitInstance() override;

  // The button table's address, as the mouse hook takes it.
  const volatile int* ButtonTableAddress() const;

  // Launcher shortcut texts, slot 1 first; filled by the launcher page.
  std::string m_strShortcut[settings::kShortcutCount];
  // Three key macros of ten entries: five press codes, then five release codes.
  SharedInt m_nMacroKey[settings::kMacroCount][settings::kMacroEntries];
  // Function code per button: left, wheel button, right, 4th, 5th, 6th.
  SharedInt m_nButtonFunc[settings::kButtonCount];
  SharedInt m_nWheelType{0};
  // Sensor speeds X, Y (main thread only).
  std::int32_t m_nMouseXY[settings::kSpeedCount] = {0, 0};
  CMainFrame* m_pMainFrame = nullptr;
  // Destroyed before the tables above: it stops the hooks that read them.
  CMsgThread m_msgThread;
  HANDLE m_hMutex = nullptr;
};

// The one application object.
CDriverApp& DriverApp();
