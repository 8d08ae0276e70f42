#include "tests/support/screen_pixels.h"

#include <winternl.h>

#include <sstream>


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

PatternWindow::PatternWindow()
    : m_bits(Pattern(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), 0)),
      m_window(1, 0, true, [this](HDC dc) { Paint(dc); }) {}

void PatternWindow::Repaint(int phase) {
  m_phase = phase;
  m_bits = Pattern(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), phase);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  ::UpdateWindow(hwnd());
}

void PatternWindow::Paint(HDC dc) const {
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  const BITMAPINFO info = TopDown32(width, height);
  ::SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, m_bits.data(), &info, DIB_RGB_COLORS);
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

// Wine 8 answers 0 to GetGuiResources but keeps each process's GDI handle table
// where Windows keeps it, at the process environment block's
// GdiSharedHandleTable (offset 0xF8 on x64): 65536 entries of 24 bytes, and an
// entry whose type byte (offset 14) is not 0 is in use.
int GdiObjectCount(DWORD pid) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return -1;
  using QueryFn = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  std::uint64_t table = 0;
  constexpr size_t kEntries = 0x10000, kEntrySize = 24;
  std::vector<unsigned char> entries(kEntries * kEntrySize);
  int count = -1;
  if (query && query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
      ::ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + 0xF8, &table,
                          sizeof table, nullptr) &&
      table && ::ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), nullptr)) {
    count = 0;
    for (size_t i = 0; i < kEntries; ++i) count += entries[i * kEntrySize + 14] != 0 ? 1 : 0;
  }
  ::CloseHandle(process);
  return count;
}

}  // namespace testsupport
