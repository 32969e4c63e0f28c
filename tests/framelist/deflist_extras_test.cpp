// SPDX-License-Identifier: GPL-3.0-or-later
// Colour options kept after a DefList's end mark, where plain readers stop.

#include <gtest/gtest.h>

#include "framelist/deflist_extras.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "framelist/document_paths.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::TempDir;

TEST(DefListExtrasTest, FollowTheListAfterACharacter26AndLoadBack) {
  TempDir dir;
  FrameDocument document;
  document.list = testing_support::ListOf({"a.png", "b.bmp", "/"});
  document.numbers[0] = 7;
  const std::string plain = DefListText(document.settings, document.list, document.numbers);
  const std::string path = dir.File("doc.h3l");
  SaveDefList(path, document);
  EXPECT_EQ(testing_support::ReadBytes(path), std::vector<uint8_t>(plain.begin(), plain.end()))
      << "without colour options a document is written as ever";

  document.colours = {"ref/game.pal", true};
  SaveDefList(path, document);
  const std::string extras = "\x1AKelvane-Palette: ref/game.pal\r\nKelvane-Dither: TRUE\r\n";
  const auto bytes = testing_support::ReadBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), plain + extras);

  FrameDocument loaded;
  loaded.colours.dither = true;
  LoadDefList(path, DefListType::WithHeader, loaded);
  EXPECT_EQ(testing_support::Texts(loaded.list), testing_support::Texts(document.list));
  EXPECT_EQ(loaded.numbers[0], 7);
  EXPECT_EQ(loaded.colours.referencePalette, "ref/game.pal");
  EXPECT_TRUE(loaded.colours.dither);
  FrameDocument opened;
  OpenDefList(path, DefListType::ListOnly, opened);
  EXPECT_TRUE(opened.colours.dither);
  // Relative to the document's folder, as its frames are.
  EXPECT_EQ(ResolvedForBuild(opened).colours.referencePalette, dir.File("ref/game.pal"));

  // A document without them resets them; unknown keys are passed over.
  testing_support::WriteBytes(path, std::vector<uint8_t>(plain.begin(), plain.end()));
  LoadDefList(path, DefListType::WithHeader, loaded);
  EXPECT_EQ(loaded.colours.referencePalette, "");
  EXPECT_FALSE(loaded.colours.dither);
  EXPECT_EQ(ReadDefListExtras("x\r\n\x1AKelvane-Future: 1\nKelvane-Dither: TRUE").dither, true);
}

TEST(DefListExtrasTest, APaletteThatWouldBreakItsLineIsRefused) {
  EXPECT_NE(testing_support::ErrorText([] { DefListExtrasText({"a\r\nb.pal", false}); }), "");
}

}  // namespace
}  // namespace kelvane
