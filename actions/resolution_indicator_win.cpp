#include "actions/resolution_indicator_win.h"

namespace actions {
namespace {

// A memory device context with one bitmap selected; the bitmap is deselected
// before the context goes, so that the caller can delete it.
class MemoryDc {
 public:
  MemoryDc(HDC compatible, HBITMAP bitmap) : m_dc(::CreateCompatibleDC(compatible)) {
    if (m_dc) m_previous = ::SelectObject(m_dc.get(), bitmap);
  }
  // Runs before m_dc deletes the context.
  ~MemoryDc() {
    if (m_dc && m_previous) ::SelectObject(m_dc.get(), m_previous);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return m_dc.get(); }

 private:
  fw::UniqueDc m_dc;
  HGDIOBJ m_previous = nullptr;
};

int WorkAreaRight() {
  RECT workArea{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  return workArea.right;
}

}  // namespace

void ResolutionIndicator::Show(int bitmapId) {
  PutBack();
  const ScreenRect block = IndicatorBlock(WorkAreaRight());
  SaveBlock(block);

  const fw::UniqueBitmap picture(::LoadBitmapA(m_pictures, MAKEINTRESOURCEA(bitmapId)));
  if (!picture) return;
  BITMAP size{};
  ::GetObjectA(picture.get(), sizeof size, &size);
  // The whole screen's device context, for painting.
  const fw::UniqueScreenDc screen(::GetDC(nullptr));
  MemoryDc memory(screen.get(), picture.get());
  ::BitBlt(screen.get(), block.left, block.top, size.bmWidth, size.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

void ResolutionIndicator::Hide() {
  if (!m_saved) return;
  const ScreenRect rect = m_savedRect;
  PutBack();
  // The saved pixels are as old as the picture: a window that painted its part
  // of the corner meanwhile gets to paint it again. Never done when a second
  // picture replaces the first, or the windows would paint over the new one.
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::RedrawWindow(nullptr, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ResolutionIndicator::SaveBlock(const ScreenRect& block) {
  // A device context of the display, for its size and for reading its pixels.
  const fw::UniqueDc display(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  if (!display) return;
  const ScreenRect clipped =
      ClipToScreen(block, ::GetDeviceCaps(display.get(), HORZRES), ::GetDeviceCaps(display.get(), VERTRES));
  if (clipped.Empty()) return;
  fw::UniqueBitmap saved(::CreateCompatibleBitmap(display.get(), clipped.Width(), clipped.Height()));
  if (!saved) return;
  {
    MemoryDc memory(display.get(), saved.get());
    if (!memory.get()) return;
    ::BitBlt(memory.get(), 0, 0, clipped.Width(), clipped.Height(), display.get(), clipped.left, clipped.top, SRCCOPY);
  }
  m_saved = std::move(saved);
  m_savedRect = clipped;
}

void ResolutionIndicator::PutBack() {
  if (!m_saved) return;
  {
    // Where the pixels were taken, even if the work area moved since: anywhere
    // else they would smear a copy of the old corner over the screen.
    const fw::UniqueScreenDc screen(::GetDC(nullptr));
    MemoryDc memory(screen.get(), m_saved.get());
    ::BitBlt(screen.get(), m_savedRect.left, m_savedRect.top, m_savedRect.Width(), m_savedRect.Height(), memory.get(),
             0, 0, SRCCOPY);
  }
  m_saved.reset();
  m_savedRect = ScreenRect{};
}

}  // namespace actions
