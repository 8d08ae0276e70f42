// The resolution picture, painted straight onto the screen rather than into a
// window, so that nothing is activated, takes the focus or shows in the
// taskbar. The screen pixels under it are saved first and put back when its
// time is up. Used on the dispatch window's thread only.
#pragma once

#include <windows.h>

#include "actions/indicator_geometry.h"
#include "framework/handles_win.h"

namespace actions {

class ResolutionIndicator {
 public:
  // `pictures`: the module holding the bitmap resources.
  explicit ResolutionIndicator(HINSTANCE pictures) : m_pictures(pictures) {}
  ResolutionIndicator(const ResolutionIndicator&) = delete;
  ResolutionIndicator& operator=(const ResolutionIndicator&) = delete;

  // Paints the bitmap resource at the top right of the work area. A picture
  // still showing is put back first, so a quick second step leaves no trace.
  void Show(int bitmapId);
  // The picture's time is up: the saved pixels go back, and the windows under
  // them repaint, since any of them may have changed since they were saved.
  void Hide();

 private:
  void SaveBlock(const ScreenRect& block);
  // Paints the saved pixels back where they were taken and drops them.
  void PutBack();

  HINSTANCE m_pictures;
  // The screen pixels under the picture; none while no picture shows, or when
  // the block lies off the screen.
  fw::UniqueBitmap m_saved;
  ScreenRect m_savedRect;
};

}  // namespace actions
