// Fenwix.dll: the link to the mouse itself. The maker's mouse reports when its
// resolution button steps to another level; this library would forward that to
// the program as
//   PostMessage(target, message, 0, 36 + 4 * level)   for level 0..3,
// i.e. event codes 36, 40, 44, 48, with the message the program gave to
// DeviceLinkOpen (WM_MOUSEBTN_UP). Talking to the maker's device needs its
// driver, which does not exist here: without the device there are no events,
// so this library remembers the target and reports nothing.
#include <windows.h>

#include <atomic>

#include "makerlibs/include/maker_api_win.h"

namespace {
std::atomic<HWND> g_target{nullptr};
std::atomic<UINT> g_message{0};
}  // namespace

extern "C" {

int DeviceLinkOpen(HWND target, UINT message, int reserved) {
  (void)reserved;
  g_message.store(message);
  g_target.store(target);
  return 1;
}

int DeviceLinkClose(void) {
  g_target.store(nullptr);
  g_message.store(0);
  return 1;
}

}  // extern "C"
