// The Windows implementations of the platform layer that have no counterpart test elsewhere.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/component_activation.hpp"
#include "platform/files.hpp"
#include "platform/module_path.hpp"
#include "platform/move_file.hpp"
#include "platform/notifier.hpp"
#include "platform/path_kind.hpp"
#include "platform/single_instance.hpp"
#include "platform/wide_text.hpp"
#include "tests/platform/scoped_environment.hpp"
#include "tests/platform/scratch_directory.hpp"

namespace pelcon::platform {
namespace {

using pelcon::testing::ReadBytes;
using pelcon::testing::ScopedEnvironment;
using pelcon::testing::ScratchDirectory;
using pelcon::testing::WriteBytes;

TEST(WindowsWideText, ConvertsThroughTheAnsiCodePage) {
  if (::GetACP() != 1252) GTEST_SKIP() << "expects the Western European code page";
  EXPECT_EQ(WideToNarrow(L"C:\\Daten\\M\u00fcnster\\\u00b5S.bin"),
            "C:\\Daten\\M\xFCnster\\\xB5S.bin");
  EXPECT_EQ(NarrowToWide("\xB5S/cm"), L"\u00b5S/cm");
  // 0x80 is the euro sign in this code page.
  EXPECT_EQ(NarrowToWide("\x80"), L"\u20ac");
  EXPECT_EQ(WideToNarrow(L"a\u4e2db"), "a?b");
  EXPECT_EQ(WideToNarrow(nullptr), "");
  EXPECT_EQ(NarrowToWide(""), L"");
}

TEST(WindowsFiles, KindsOfPathsAndErrorTexts) {
  ScratchDirectory scratch;
  WriteBytes(scratch.File("a.bin"), "x");
  EXPECT_TRUE(IsNonDirectoryFile(scratch.File("a.bin")));
  EXPECT_FALSE(IsDirectory(scratch.File("a.bin")));
  EXPECT_TRUE(IsDirectory(scratch.Path().string()));
  EXPECT_FALSE(IsNonDirectoryFile(scratch.Path().string()));
  EXPECT_FALSE(IsDirectory(scratch.File("missing")));
  EXPECT_FALSE(IsNonDirectoryFile(scratch.File("missing")));

  const std::string text = FileErrorText(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(text.empty());
  // The system's text ends in a full stop and a line break; messages append their own.
  EXPECT_NE(text.back(), '\n');
  EXPECT_NE(text.back(), '.');
  EXPECT_NE(text, FileErrorText(ERROR_ACCESS_DENIED));
}

TEST(WindowsNotices, TheNoticeLogTakesThePlaceOfMessageBoxes) {
  ScratchDirectory scratch;
  const std::string log = scratch.File("notices.txt");
  ScopedEnvironment hook("PELCON_NOTICE_LOG", log);
  NoticeSink& sink = DefaultNoticeSink();
  sink.Show({"Tarvel Pelcon", "Unable to load file\nC:\\data\\well.bin", NoticeIcon::kStop});
  sink.Show({"Pelcon", "Unable to load DLL", NoticeIcon::kNone});
  // Nobody answers, so a question takes its default.
  EXPECT_TRUE(sink.Ask({"Tarvel Pelcon", "Replace?", NoticeIcon::kQuestion}, true));
  EXPECT_FALSE(sink.Ask({"Tarvel Pelcon", "Replace?", NoticeIcon::kQuestion}, false));
  EXPECT_EQ(ReadBytes(log),
            "stop\tTarvel Pelcon: Unable to load file\nC:\\data\\well.bin\n"
            "none\tPelcon: Unable to load DLL\n"
            "question\tTarvel Pelcon: Replace?\n"
            "question\tTarvel Pelcon: Replace?\n");
}

TEST(WindowsMoveFile, MovesButNeverReplaces) {
  ScratchDirectory scratch;
  WriteBytes(scratch.File("a.csv"), "new");
  WriteBytes(scratch.File("b.csv"), "old");
  int error = 0;
  EXPECT_FALSE(MoveFileWithoutReplacing(scratch.File("a.csv"), scratch.File("b.csv"), error));
  EXPECT_EQ(error, ERROR_ALREADY_EXISTS);
  EXPECT_EQ(ReadBytes(scratch.File("b.csv")), "old");
  EXPECT_TRUE(MoveFileWithoutReplacing(scratch.File("a.csv"), scratch.File("c.csv"), error));
  EXPECT_EQ(ReadBytes(scratch.File("c.csv")), "new");
  EXPECT_FALSE(FileExists(scratch.File("a.csv")));
}

TEST(WindowsSingleInstance, SecondHolderOfTheNameIsRefused) {
  const std::string name = "Tarvel Pelcon test " + std::to_string(::GetCurrentProcessId());
  SingleInstanceGuard first;
  SingleInstanceGuard second;
  EXPECT_EQ(first.Acquire(name), InstanceLock::kAcquired);
  EXPECT_EQ(second.Acquire(name), InstanceLock::kHeldByAnother);
}

TEST(WindowsModules, PathsOfTheProgramAndItsDirectory) {
  const std::string program = ModulePathOf(reinterpret_cast<const void*>(&ModulePathOf));
  ASSERT_GT(program.size(), 4u);
  EXPECT_EQ(program.substr(program.size() - 4), ".exe");
  const std::string directory = ExecutableDirectory();
  EXPECT_EQ(program.substr(0, program.find_last_of('\\')), directory);
  // The kernel's own code lies in another module.
  const void* kernel = reinterpret_cast<const void*>(&::GetCurrentProcessId);
  EXPECT_NE(ModulePathOf(kernel), program);
}

TEST(WindowsModules, CallsAFunctionOfALibraryOrExplainsWhyNot) {
  std::string error;
  // A function without arguments whose result can be checked: the process identifier.
  EXPECT_EQ(CallLibraryFunction("kernel32.dll", "GetCurrentProcessId", error),
            static_cast<HRESULT>(::GetCurrentProcessId()));
  EXPECT_EQ(CallLibraryFunction("kernel32.dll", "NoSuchEntryPoint", error), E_FAIL);
  EXPECT_NE(error.find("NoSuchEntryPoint"), std::string::npos);
  error.clear();
  EXPECT_EQ(CallLibraryFunction("no-such-library.dll", "DllRegisterServer", error), E_FAIL);
  EXPECT_NE(error.find("no-such-library.dll"), std::string::npos);
}

TEST(WindowsActivation, UnregisteredClassWithoutItsLibraryFails) {
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  // A class identifier nobody registers.
  const CLSID unknown = {
      0x5e1f0c3a, 0x2b4d, 0x4e6f, {0x9a, 0x1b, 0x2c, 0x3d, 0x4e, 0x5f, 0x60, 0x71}};
  void* object = reinterpret_cast<void*>(1);
  std::string error;
  const HRESULT result =
      CreateInProcessInstance("{5E1F0C3A-2B4D-4E6F-9A1B-2C3D4E5F6071}", unknown, IID_IUnknown,
                              "no-such-component.dll", &object, error);
  EXPECT_TRUE(FAILED(result));
  EXPECT_EQ(object, nullptr);
  EXPECT_NE(error.find("no-such-component.dll"), std::string::npos);
  ::CoUninitialize();
}

}  // namespace
}  // namespace pelcon::platform

#endif
