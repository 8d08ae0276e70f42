// Fenwix.dll (the link to the mouse, which is absent here) and SkinMagic.dll
// (imported by ordinal only; its text rules are tested natively), loaded from
// the program folder as the program loads them.
#include <gtest/gtest.h>
#include <windows.h>

#include "makerlibs/include/maker_api_win.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/wine_support.h"

namespace {

HMODULE Library(const char* name) { return ::LoadLibraryA((testsupport::ProgramFolder() + "\\" + name).c_str()); }
template <typename Fn>
Fn Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

TEST(FenwixLink, OpenAndCloseAreAcceptedAndNothingIsPosted) {
  HMODULE module = Library("Fenwix.dll");
  auto open = Resolve<DeviceLinkOpenFn>(module, "DeviceLinkOpen");
  auto close = Resolve<DeviceLinkCloseFn>(module, "DeviceLinkClose");
  ASSERT_TRUE(open && close);
  testsupport::MessageRecorder recorder(WM_USER, 0x7FFF);  // whatever the library could send, resolution steps included
  EXPECT_NE(0, open(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0));
  ::PostMessageA(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0, 36);  // the recorder does hear a report
  testsupport::PumpFor(200);
  EXPECT_NE(0, close());
  EXPECT_NE(0, close());
  EXPECT_TRUE(open(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0) && close()) << "opened again";
  testsupport::PumpFor(200);
  EXPECT_EQ(recorder.Entries().size(), 1u) << "only the test's own message";
  ::FreeLibrary(module);
}

typedef BOOL(WINAPI* SkinInitFn)(HINSTANCE, const char*, const char*, const char*);
typedef BOOL(WINAPI* SkinLoadFn)(HINSTANCE, const char*, const char*);
typedef BOOL(WINAPI* SkinApplyFn)(const char*);

TEST(SkinMagic, ExportsOnlyByOrdinalAndKeepsTheSkinOfTheLastLoad) {
  HMODULE module = Library("SkinMagic.dll");
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
