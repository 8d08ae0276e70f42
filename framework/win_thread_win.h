// A thread with its own message loop. The application object is the main
// thread's; worker threads derive from it too.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/handles_win.h"

namespace fw {

class Wnd;

class WinThread {
 public:
  WinThread() = default;
  virtual ~WinThread();
  WinThread(const WinThread&) = delete;
  WinThread& operator=(const WinThread&) = delete;

  // Starts the thread: InitInstance runs on it, then the message loop if that returned TRUE.
  BOOL CreateThread(DWORD flags = 0, UINT stackSize = 0, LPSECURITY_ATTRIBUTES security = nullptr);
  // The object of the calling thread, or null for a thread not started here.
  static WinThread* Current();

  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();
  virtual BOOL PreTranslateMessage(MSG* msg);

  // Owner of modal dialogs run on this thread without a parent.
  Wnd* m_pMainWnd = nullptr;
  UniqueHandle m_hThread;
  DWORD m_nThreadID = 0;

 protected:
  // Makes this object the calling thread's (the application does so for the main thread).
  void BindToCurrentThread();

 private:
  static DWORD WINAPI ThreadProc(LPVOID param);
};

// Pumps the calling thread's messages, with pre-translation, while keepGoing
// says so; dialogMessage, when given, may take a message after that (a modeless
// sheet's keyboard handling). A WM_QUIT ends the loop and is posted again for
// the outer loop.
void RunModalLoop(const std::function<bool()>& keepGoing,
                  const std::function<bool(MSG*)>& dialogMessage = nullptr);

}  // namespace fw
