#include "export/path_names.hpp"

#include <gtest/gtest.h>

namespace pelcon {
namespace {

// The separator here is "/", the platform's.

TEST(ExtensionOf, TakesTheTextAfterTheLastDotAnywhere) {
  EXPECT_EQ(ExtensionOf("/data/well.bin"), "bin");
  EXPECT_EQ(ExtensionOf("/dir.old/file"), "old/file");
  EXPECT_EQ(ExtensionOf("/dir/file"), "");
  EXPECT_EQ(ExtensionOf("/dir/file."), "");
  EXPECT_EQ(ExtensionOf("a.tar.BFT"), "BFT");
}

TEST(FileNameOf, NeedsAnExtension) {
  EXPECT_EQ(FileNameOf("/dir/name.bft"), "name.bft");
  EXPECT_EQ(FileNameOf("/dir/name"), "");
  EXPECT_EQ(FileNameOf("name.bft"), "name.bft");
  // The dot of a folder counts as the extension, so the name after the last separator is taken.
  EXPECT_EQ(FileNameOf("/dir.old/name"), "name");
}

TEST(DirectoryOf, KeepsTheLastSeparator) {
  EXPECT_EQ(DirectoryOf("/dir/name.bft"), "/dir/");
  EXPECT_EQ(DirectoryOf("name.bft"), "name.bft");
  EXPECT_EQ(DirectoryOf("/"), "/");
  EXPECT_EQ(DirectoryOf("/a/b/"), "/a/b/");
}

TEST(PathNames, MultiByteCharactersAreNotMistakenForSeparators) {
  // UTF-8 for "Müll/Brü.bft" and Windows-1252 bytes with the micro sign.
  EXPECT_EQ(FileNameOf("/M\xC3\xBCll/Br\xC3\xBC.bft"), "Br\xC3\xBC.bft");
  EXPECT_EQ(DirectoryOf("/\xB5S/x.bft"), "/\xB5S/");
}

}  // namespace
}  // namespace pelcon
