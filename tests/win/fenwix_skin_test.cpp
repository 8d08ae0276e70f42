// Fenwix.dll (the link to the mouse, which is absent here) and SkinMagic.dll
// (imported by ordinal only), loaded from the program folder as the program
// loads them.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "makerlibs/include/maker_api_win.h"
#include "tests/support/wine_support.h"

namespace {

using testsupport::MessageRecorder;
using testsupport::PumpFor;

std::string Library(const char* name) { return testsupport::ProgramFolder() + "\\" + name; }

template <typename Fn>
Fn Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

TEST(FenwixLink, OpenAndCloseAreAcceptedAndNothingIsPosted) {
  HMODULE module = ::LoadLibraryA(Library("Fenwix.dll").c_str());
  ASSERT_NE(nullptr, module);
  auto open = Resolve<DeviceLinkOpenFn>(module, "DeviceLinkOpen");
  auto close = Resolve<DeviceLinkCloseFn>(module, "DeviceLinkClose");
  ASSERT_NE(nullptr, open);
  ASSERT_NE(nullptr, close);

  // Everything the program could receive from the library, resolution steps included.
  MessageRecorder recorder(0x0400, 0x7FFF);
  EXPECT_NE(0, open(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0));
  PumpFor(400);
  EXPECT_TRUE(recorder.Entries().empty());
  EXPECT_NE(0, close());
  EXPECT_NE(0, close());
  // Reopening works, also from another thread.
  int reopened = 0;
  std::thread([&] { reopened = open(recorder.hwnd(), makerlibs::WM_MOUSEBTN_UP, 0); }).join();
  EXPECT_NE(0, reopened);
  PumpFor(200);
  EXPECT_NE(0, close());
  EXPECT_TRUE(recorder.Entries().empty());
  ::FreeLibrary(module);
}

typedef BOOL(WINAPI* SkinInitFn)(HINSTANCE, const char*, const char*, const char*);
typedef BOOL(WINAPI* SkinLoadFn)(HINSTANCE, const char*, const char*);
typedef BOOL(WINAPI* SkinApplyFn)(const char*);

class SkinMagicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_module = ::LoadLibraryA(Library("SkinMagic.dll").c_str());
    ASSERT_NE(nullptr, m_module) << "SkinMagic.dll not found next to the test program";
    m_init = Resolve<SkinInitFn>(m_module, MAKEINTRESOURCEA(1));
    m_load = Resolve<SkinLoadFn>(m_module, MAKEINTRESOURCEA(4));
    m_apply = Resolve<SkinApplyFn>(m_module, MAKEINTRESOURCEA(8));
    ASSERT_TRUE(m_init && m_load && m_apply);
    EXPECT_TRUE(m_init(::GetModuleHandleA(nullptr), nullptr, nullptr, nullptr));
  }
  void TearDown() override {
    for (HMODULE m : m_dataFiles) ::FreeLibrary(m);
    for (const std::string& f : m_files) ::DeleteFileA(f.c_str());
    if (m_module) ::FreeLibrary(m_module);
  }

  // A copy of Fenwix.dll carrying the given bytes as resource SKIN1 of type
  // Skin, loaded as a data file: a module whose skin text we choose.
  HMODULE ModuleWithSkin(const std::string& bytes) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "zyfo_skin_" + std::to_string(::GetCurrentProcessId()) + "_" +
                       std::to_string(m_files.size()) + ".dll";
    if (!::CopyFileA(Library("Fenwix.dll").c_str(), path.c_str(), FALSE)) return nullptr;
    m_files.push_back(path);
    HANDLE update = ::BeginUpdateResourceA(path.c_str(), FALSE);
    if (!update) return nullptr;
    std::vector<char> data(bytes.begin(), bytes.end());
    BOOL ok = ::UpdateResourceA(update, "Skin", "SKIN1", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), data.data(),
                                static_cast<DWORD>(data.size()));
    if (!::EndUpdateResourceA(update, !ok) || !ok) return nullptr;
    HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module) m_dataFiles.push_back(module);
    return module;
  }

  HMODULE m_module = nullptr;
  SkinInitFn m_init = nullptr;
  SkinLoadFn m_load = nullptr;
  SkinApplyFn m_apply = nullptr;
  std::vector<HMODULE> m_dataFiles;
  std::vector<std::string> m_files;
};

TEST_F(SkinMagicTest, ExportsOnlyByOrdinal) {
  for (const char* name : {"SkinInit", "SkinLoadFromResource", "SkinApplyToDialogs"}) {
    EXPECT_EQ(nullptr, reinterpret_cast<void*>(::GetProcAddress(m_module, name))) << name;
  }
  EXPECT_EQ(nullptr, reinterpret_cast<void*>(::GetProcAddress(m_module, MAKEINTRESOURCEA(2))));
}

TEST_F(SkinMagicTest, ModuleWithoutTheSkinLoadsNothing) {
  HMODULE fenwix = ::LoadLibraryA(Library("Fenwix.dll").c_str());
  ASSERT_NE(nullptr, fenwix);
  EXPECT_FALSE(m_load(fenwix, "SKIN1", "Skin"));
  EXPECT_FALSE(m_apply("Dialog"));
  ::FreeLibrary(fenwix);
}

TEST_F(SkinMagicTest, BadArgumentsAreRefused) {
  EXPECT_FALSE(m_load(::GetModuleHandleA(nullptr), nullptr, "Skin"));
  EXPECT_FALSE(m_load(::GetModuleHandleA(nullptr), "SKIN1", nullptr));
  EXPECT_FALSE(m_load(::GetModuleHandleA(nullptr), "NO_SUCH_SKIN", "Skin"));
  EXPECT_FALSE(m_apply(nullptr));
  EXPECT_FALSE(m_apply("Dialog"));
}

TEST_F(SkinMagicTest, TheProgramsSkinLoadsWhenItIsThere) {
  HMODULE self = ::GetModuleHandleA(nullptr);
  if (!::FindResourceA(self, "SKIN1", "Skin")) GTEST_SKIP() << "this build carries no SKIN1 resource";
  EXPECT_TRUE(m_load(self, "SKIN1", "Skin"));
  EXPECT_TRUE(m_apply("Dialog"));
  EXPECT_TRUE(m_apply("dialog"));
  EXPECT_FALSE(m_apply("Button"));
  // Null module: the instance given to ordinal 1 (here the test program).
  EXPECT_TRUE(m_load(nullptr, "SKIN1", "Skin"));
  EXPECT_TRUE(m_apply("Dialog"));
}

TEST_F(SkinMagicTest, WellFormedSkinText) {
  HMODULE module = ModuleWithSkin("; colours\r\n[Dialog]\r\nFace=212,208,200\r\nText=0,0,0\r\n\r\n[Other]\r\nx=1");
  ASSERT_NE(nullptr, module) << "could not build a module with a skin resource";
  EXPECT_TRUE(m_load(module, "SKIN1", "Skin"));
  EXPECT_TRUE(m_apply("Dialog"));
  EXPECT_TRUE(m_apply("Other"));
  EXPECT_FALSE(m_apply("Missing"));
  EXPECT_FALSE(m_apply(""));
}

TEST_F(SkinMagicTest, BadSkinTextNeverCrashes) {
  const std::vector<std::string> texts = {
      std::string("\0\0\0\0", 4),
      std::string("\xff\xfe" "\0[" "\0" "D" "\0", 7),
      "[",
      "[]",
      "[Dialog",
      "=",
      "Face=1,2,3",
      "[Dialog]\nFace=\nText=1,2\nAccent=300,1,1\nShadow=a,b,c\nHighlight=1,2,3,4\n=5\n",
      "\xEF\xBB\xBF[Dialog]",
      std::string(5000, '['),
      std::string("[Dialog]\0garbage", 16),
  };
  const bool dialogExpected[] = {false, false, false, false, false, false, false, true, true, false, true};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    HMODULE module = ModuleWithSkin(texts[i]);
    ASSERT_NE(nullptr, module) << i;
    EXPECT_TRUE(m_load(module, "SKIN1", "Skin")) << i;
    EXPECT_EQ(dialogExpected[i], m_apply("Dialog") != FALSE) << i;
  }
}

TEST_F(SkinMagicTest, FailedLoadForgetsThePreviousSkin) {
  HMODULE module = ModuleWithSkin("[Dialog]\nFace=1,2,3\n");
  ASSERT_NE(nullptr, module);
  EXPECT_TRUE(m_load(module, "SKIN1", "Skin"));
  EXPECT_TRUE(m_apply("Dialog"));
  EXPECT_FALSE(m_load(module, "SKIN2", "Skin"));
  EXPECT_FALSE(m_apply("Dialog"));
}

TEST_F(SkinMagicTest, CallsFromSeveralThreadsAtOnce) {
  HMODULE module = ModuleWithSkin("[Dialog]\nFace=1,2,3\n");
  ASSERT_NE(nullptr, module);
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        if (!m_init(::GetModuleHandleA(nullptr), nullptr, nullptr, nullptr)) ++failures;
        if (!m_load(module, "SKIN1", "Skin")) ++failures;
        if (!m_apply("Dialog")) ++failures;
      }
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(0, failures.load());
}

}  // namespace
