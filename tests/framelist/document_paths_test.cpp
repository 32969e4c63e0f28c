// SPDX-License-Identifier: GPL-3.0-or-later
// Paths in documents: taken from the document's folder, and written so that
// they name the same files from wherever the document is saved.

#include <gtest/gtest.h>

#include "base/path_parts.h"
#include "framelist/deflist_reader.h"
#include "framelist/document_paths.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

TEST(DocumentPathsTest, PathsAreNamedFromAFolderOnlyWhereTheyLieUnderIt) {
  constexpr auto kPosix = PathStyle::Posix;
  const struct {
    const char* folder;
    const char* path;
    const char* within;
  } cases[] = {
      {"/doc", "/doc/walk.bmp", "walk.bmp"},
      {"/doc/", "/doc/a/./walk.bmp", "a/walk.bmp"},
      {"/doc", "/docs/walk.bmp", "/docs/walk.bmp"},      // a longer name, not a sub-folder
      {"/doc", "/doc/../walk.bmp", "/doc/../walk.bmp"},  // a step back may leave it
      {"/doc", "/elsewhere/walk.bmp", "/elsewhere/walk.bmp"},
      {"/doc", "/doc", "/doc"},
      {"/", "/walk.bmp", "walk.bmp"},
      {"/doc", "walk.bmp", "walk.bmp"},  // already named from somewhere
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PathWithin(c.folder, c.path, kPosix), c.within) << c.folder << " " << c.path;
  }
  EXPECT_EQ(PathFrom("/doc", "a/walk.bmp", kPosix), "/doc/a/walk.bmp");
  EXPECT_EQ(PathFrom("/doc/", "walk.bmp", kPosix), "/doc/walk.bmp");
  EXPECT_EQ(PathFrom("/doc", "/abs.bmp", kPosix), "/abs.bmp");
  EXPECT_EQ(PathFrom("", "walk.bmp", kPosix), "walk.bmp");
  EXPECT_EQ(PathFrom("/doc", "", kPosix), "");
  EXPECT_EQ(FolderOf("/doc/walk.bmp", kPosix), "/doc");
  EXPECT_EQ(FolderOf("/walk.bmp", kPosix), "/");
  EXPECT_EQ(FolderOf("walk.bmp", kPosix), "");
}

TEST(DocumentPathsTest, AMovedDocumentNamesTheSameFiles) {
  FrameDocument document;
  document.folder = "/a";
  document.list = testing_support::ListOf({"t/walk1.bmp", "/b/walk2.bmp*", "/", "/c/w.bmp"});
  document.settings.outputName = "out.def";
  // Joined with the system's separator: "/a/t/walk1.bmp", "/a\\t/walk1.bmp" on Windows.
  const std::string walk1 = JoinPath("/a", "t/walk1.bmp");
  const FrameDocument toB = MovedTo(document, "/b", false);
  EXPECT_EQ(toB.folder, "/b");
  EXPECT_EQ(testing_support::Texts(toB.list),
            (std::vector<std::string>{walk1, "walk2.bmp*", "/", "/c/w.bmp"}));
  EXPECT_EQ(toB.settings.outputName, "out.def");  // taken from wherever the document is
  EXPECT_EQ(MovedTo(document, "/", true).settings.outputName, JoinPath("a", "out.def"));

  const FrameDocument resolved = ResolvedForBuild(document);
  EXPECT_EQ(testing_support::Texts(resolved.list),
            (std::vector<std::string>{walk1, "/b/walk2.bmp*", "/", "/c/w.bmp"}));
  EXPECT_EQ(resolved.settings.outputName, JoinPath("/a", "out.def"));
}

// A document written on Windows names "terrain\grass.bmp": the file in
// terrain/ wherever it is read. A file whose name holds the '\' keeps it.
TEST(DocumentPathsTest, WindowsSeparatorsNameTheFilesMeant) {
  testing_support::TempDir dir;
  dir.Folder("terrain");
  dir.Bmp(JoinPath("terrain", "grass.bmp"), bmpgen::Bmp8(1, 1));
  const bool windows = IsPathSeparator('\\');
  if (!windows) {
    dir.Bmp("odd\\name.bmp", bmpgen::Bmp8(1, 1));
  }
  FrameDocument document;
  document.folder = dir.path();
  document.list = testing_support::ListOf({"terrain\\grass.bmp", "odd\\name.bmp", "no\\such.bmp"});
  const std::vector<std::string> expected = {
      dir.File(JoinPath("terrain", "grass.bmp")),
      dir.File(windows ? JoinPath("odd", "name.bmp") : "odd\\name.bmp"),
      dir.File(windows ? JoinPath("no", "such.bmp")
                       : "no\\such.bmp"),  // the error names it as written
  };
  EXPECT_EQ(testing_support::Texts(ResolvedForBuild(document).list), expected);
  EXPECT_EQ(FrameFileOf(document, "terrain\\grass.bmp"), expected[0]);
  const FrameDocument moved = MovedTo(document, dir.Folder("elsewhere"), false);
  EXPECT_EQ(testing_support::Texts(moved.list)[0], expected[0]);
}

TEST(DocumentPathsTest, TheVariantIsReadFromTheContent) {
  const std::string header =
      "3\n4\nout.def\nFALSE\nfalse\nTRUE\n32\n32\n\n-1\nFALSE\nFALSE\nFALSE\nAuto\nAuto\n";
  const struct {
    std::string bytes;
    DefListType ifUnsure;
    DefListType read;
  } cases[] = {
      {header + "a.bmp\n", DefListType::ListOnly, DefListType::WithHeader},
      {"a.bmp\nb.bmp  0+\n", DefListType::WithHeader, DefListType::ListOnly},
      {"7\nb.bmp\n", DefListType::ListOnly, DefListType::ListOnly},  // could be either
      {"7\nb.bmp\n", DefListType::WithHeader, DefListType::WithHeader},
      {"", DefListType::ListOnly, DefListType::ListOnly},
      {std::string("BM6\0\0\0", 6), DefListType::ListOnly, DefListType::WithHeader},  // no text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectDefListType(c.bytes, c.ifUnsure), c.read) << c.bytes;
  }
}

}  // namespace
}  // namespace kelvane
