#include "tests/support/screen_pixels.h"

#include <winternl.h>

#include <sstream>

#include "tests/support/wine_support.h"

namespace testsupport {

std::uint32_t PatternAt(int x, int y, int phase) {
  const std::uint32_t r = (x * 5 + phase * 97) & 0xFF, g = (y * 3 + phase * 41) & 0xFF, b = ((x + y) * 7) & 0xFF;
  return r << 16 | g << 8 | b;
}

Pixels Pattern(int left, int top, int width, int height, int phase) {
  Pixels pixels;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) pixels.push_back(PatternAt(x, y, phase));
  return pixels;
}

namespace {
BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}
}  // namespace

PatternWindow::PatternWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZyfoPatternWindow";
  ::RegisterClassA(&wc);
  m_width = ::GetSystemMetrics(SM_CXSCREEN);
  m_height = ::GetSystemMetrics(SM_CYSCREEN);
  Fill();
  m_hwnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Zyfo pattern", WS_POPUP | WS_VISIBLE, 0, 0, m_width,
                             m_height, nullptr, nullptr, wc.hInstance, this);
  ::SetForegroundWindow(m_hwnd);
  ::UpdateWindow(m_hwnd);
  PumpFor(300);
}

PatternWindow::~PatternWindow() { ::DestroyWindow(m_hwnd); }

void PatternWindow::Repaint(int phase) {
  m_phase = phase;
  Fill();
  ::InvalidateRect(m_hwnd, nullptr, FALSE);
  ::UpdateWindow(m_hwnd);
}

void PatternWindow::Fill() { m_bits = Pattern(0, 0, m_width, m_height, m_phase); }

LRESULT CALLBACK PatternWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<PatternWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_ERASEBKGND) return 1;
  if (msg == WM_PAINT && self) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd, &paint);
    const BITMAPINFO info = TopDown32(self->m_width, self->m_height);
    ::SetDIBitsToDevice(dc, 0, 0, self->m_width, self->m_height, 0, 0, 0, self->m_height, self->m_bits.data(), &info,
                        DIB_RGB_COLORS);
    ::EndPaint(hwnd, &paint);
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

Pixels Grab(int left, int top, int width, int height) {
  Pixels pixels(static_cast<size_t>(width) * height);
  const BITMAPINFO info = TopDown32(width, height);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, dib);
  ::BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
  ::GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = source[i] & 0xFFFFFF;
  ::SelectObject(memory, old);
  ::DeleteObject(dib);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

Pixels BitmapPixels(HMODULE module, int bitmapId, int* width, int* height) {
  auto bitmap = static_cast<HBITMAP>(
      ::LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return {};
  BITMAP size{};
  ::GetObjectA(bitmap, sizeof size, &size);
  BITMAPINFO info = TopDown32(size.bmWidth, size.bmHeight);
  Pixels pixels(static_cast<size_t>(size.bmWidth) * size.bmHeight);
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, bitmap, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  ::DeleteObject(bitmap);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  *width = size.bmWidth;
  *height = size.bmHeight;
  return pixels;
}

testing::AssertionResult SamePixels(const Pixels& actual, const Pixels& expected, int width) {
  if (expected.empty() || actual.size() != expected.size())
    return testing::AssertionFailure() << "no picture to compare";
  int wrong = 0;
  std::ostringstream first;
  for (size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] == expected[i]) continue;
    if (wrong++ == 0)
      first << "first at " << i % width << "," << i / width << std::hex << ": 0x" << actual[i] << " instead of 0x"
            << expected[i];
  }
  if (wrong == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << wrong << " of " << actual.size() << " pixels differ, " << first.str();
}

int CountTopLevelWindows(DWORD pid) {
  struct Count {
    DWORD pid;
    int n;
  } count{pid, 0};
  ::EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Count*>(lp);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (!c->pid || owner == c->pid) ++c->n;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.n;
}

// Wine 8 answers 0 to GetGuiResources but keeps each process's GDI handle table
// where Windows keeps it, at the process environment block's
// GdiSharedHandleTable (offset 0xF8 on x64): 65536 entries of 24 bytes, and an
// entry whose type byte (offset 14) is not 0 is in use.
int GdiObjectCount(DWORD pid) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return -1;
  int count = static_cast<int>(::GetGuiResources(process, GR_GDIOBJECTS));
  if (count == 0) {
    count = -1;
    using QueryFn = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    std::uint64_t table = 0;
    if (query && query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
        ::ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + 0xF8, &table,
                            sizeof table, nullptr) &&
        table) {
      constexpr size_t kEntries = 0x10000, kEntrySize = 24;
      std::vector<unsigned char> entries(kEntries * kEntrySize);
      if (::ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), nullptr)) {
        count = 0;
        for (size_t i = 0; i < kEntries; ++i) count += entries[i * kEntrySize + 14] != 0 ? 1 : 0;
      }
    }
  }
  ::CloseHandle(process);
  return count;
}

}  // namespace testsupport
