// Fenwix.dll (the link to the mouse, which is absent here) and SkinMagic.dll
// (imported by ordinal only; its text rules are tested natively), loaded from
// the program folder as the program loads them (Fenwix.dll through the
// program's own loader, whose calls fail when an export is missing).
#include <gtest/gtest.h>
#include <windows.h>

#include "bridge/maker_libs_win.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/wine_support.h"

namespace {

template <typename Fn>
Fn Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

TEST(FenwixLink, OpenAndCloseAreAcceptedAndNothingIsPosted) {
  testsupport::MessageRecorder recorder(WM_USER, 0x7FFF);  // whatever the library could send, resolution steps included
  EXPECT_NE(0, bridge::DeviceLinkOpen(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0));
  ::PostMessageA(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0, 36);  // the recorder does hear a report
  testsupport::PumpFor(200);
  EXPECT_NE(0, bridge::DeviceLinkClose());
  EXPECT_NE(0, bridge::DeviceLinkClose());
  EXPECT_TRUE(bridge::DeviceLinkOpen(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0) && bridge::DeviceLinkClose())
      << "opened again";
  testsupport::PumpFor(200);
  EXPECT_EQ(recorder.Entries().size(), 1u) << "only the test's own message";
}

typedef BOOL(WINAPI* SkinInitFn)(HINSTANCE, const char*, const char*, const char*);
typedef BOOL(WINAPI* SkinLoadFn)(HINSTANCE, const char*, const char*);
typedef BOOL(WINAPI* SkinApplyFn)(const char*);

TEST(SkinMagic, ExportsOnlyByOrdinalAndKeepsTheSkinOfTheLastLoad) {
  HMODULE module = ::LoadLibraryA((testsupport::ProgramFolder() + "\\SkinMagic.dll").c_str());
  ASSERT_NE(nullptr, module);
  for (const char* name : {"SkinInit", "SkinLoadFromResource", "SkinApplyToDialogs"})
    EXPECT_EQ(nullptr, Resolve<void*>(module, name)) << name;
  EXPECT_EQ(nullptr, Resolve<void*>(module, MAKEINTRESOURCEA(2)));
  auto init = Resolve<SkinInitFn>(module, MAKEINTRESOURCEA(1));
  auto load = Resolve<SkinLoadFn>(module, MAKEINTRESOURCEA(4));
  auto apply = Resolve<SkinApplyFn>(module, MAKEINTRESOURCEA(8));
  ASSERT_TRUE(init && load && apply);
  HMODULE self = ::GetModuleHandleA(nullptr);  // carries the program's SKIN1
  EXPECT_TRUE(init(self, nullptr, nullptr, nullptr));
  EXPECT_TRUE(load(nullptr, "SKIN1", "Skin")) << "no module: the one given to ordinal 1";
  EXPECT_TRUE(apply("Dialog"));
  EXPECT_FALSE(apply("Button"));
  EXPECT_FALSE(load(self, "NO_SUCH_SKIN", "Skin"));
  EXPECT_FALSE(apply("Dialog")) << "a failed load forgets the previous skin";
  EXPECT_FALSE(load(self, nullptr, "Skin") || load(self, "SKIN1", nullptr) || apply(nullptr));
  ::FreeLibrary(module);
}

}  // namespace
