// SPDX-License-Identifier: GPL-3.0-or-later
// Many DefList documents built in one run.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/build_command.h"
#include "support/cli_run.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::Build;
using testing_support::FileExists;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::Tile32;

using testing_support::CliRun;

CliRun BuildUnquiet(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunBuild(args, out, err);
  return {status, out.str(), err.str()};
}

class BatchBuildTest : public ::testing::Test {
 protected:
  // Saves the document NAME.h3l in the folder "docs", building NAME.def
  // beside it (a document writes its DEF only in its own folder) from `entries`.
  std::string Document(const std::string& name, std::vector<std::string> entries) {
    const std::string doc = docs.File(name + ".h3l");
    std::vector<std::string> args = {"--no-build", "--save-list", doc, "-o", Output(name)};
    args.insert(args.end(), entries.begin(), entries.end());
    EXPECT_EQ(Build(args).status, 0) << name;
    return doc;
  }
  std::string Output(const std::string& name) const { return docs.File(name + ".def"); }
  std::string Frame(int seed) {
    return frames.Bmp("f" + std::to_string(seed) + ".bmp", Tile32(seed));
  }
  // The line of a terrain DEF of one group: header, group entry, frame blocks.
  std::string Wrote(const std::string& name, int frameCount) const {
    std::string bytes = std::to_string(784 + 16 + (17 + 1056) * frameCount);
    bytes.insert(bytes.size() - 3, ",");
    return "wrote " + Output(name) + ": " + std::to_string(frameCount) + " frame" +
           (frameCount == 1 ? "" : "s") + " in 1 group, " + bytes + " bytes\n";
  }

  TempDir frames;
  TempDir docs;
};

TEST_F(BatchBuildTest, BuildsEveryDocumentLikeItsOwnBuild) {
  const std::string a = Document("a", {"--type", "3", Frame(1), Frame(2)});
  const std::string b = Document("b", {"--type", "3", Frame(3)});
  const std::string c = Document("c", {"--type", "3", Frame(4), Frame(5), Frame(6)});
  const CliRun run = BuildUnquiet({"--list", a, b, c});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Wrote("a", 2) + Wrote("b", 1) + Wrote("c", 3));
  EXPECT_EQ(run.err, "kelvane-cli: 3 of 3 DEFs written\n");
  for (const std::string name : {"a", "b", "c"}) {
    const auto batch = ReadBytes(Output(name));
    ASSERT_EQ(Build({"--list", docs.File(name + ".h3l"), "-j", "1"}).status, 0);
    EXPECT_EQ(ReadBytes(Output(name)), batch) << name;
  }
  // A folder: its documents by name, other files left alone.
  testing_support::WriteBytes(docs.File("notes.txt"), {'x'});
  for (const char* jobs : {"1", "3"}) {
    const CliRun folder = BuildUnquiet({"--list", docs.path(), "-j", jobs});
    EXPECT_EQ(folder.status, 0);
    EXPECT_EQ(folder.out, Wrote("a", 2) + Wrote("b", 1) + Wrote("c", 3));
  }
}

TEST_F(BatchBuildTest, AFailingDocumentStopsOnlyItself) {
  const std::string a = Document("a", {"--type", "3", Frame(1)});
  const std::string missing = frames.File("gone.bmp");
  const std::string b = Document("b", {"--type", "3", Frame(2), missing});
  const std::string c = Document("c", {"--type", "3", Frame(3)});
  const CliRun run = BuildUnquiet({"--list", a, b, c});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, Wrote("a", 1) + Wrote("c", 1));
  EXPECT_EQ(run.err, "kelvane-cli: " + b + ": File not found (" + missing +
                         ")\nkelvane-cli: 2 of 3 DEFs written, 1 not\n");
  EXPECT_TRUE(FileExists(Output("a")));
  EXPECT_FALSE(FileExists(Output("b")));
  EXPECT_TRUE(FileExists(Output("c")));

  // --json: one object per document, the failure with its error.
  const CliRun json = BuildUnquiet({"--list", a, b, c, "--json", "-q"});
  EXPECT_EQ(json.status, 1);
  std::istringstream lines(json.out);
  std::vector<std::string> objects;
  for (std::string line; std::getline(lines, line);) {
    objects.push_back(line);
  }
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(
      objects[0].rfind("{\"list\":\"" + a + "\",\"path\":\"" + Output("a") + "\",\"bytes\":", 0),
      0u);
  EXPECT_EQ(objects[1], "{\"list\":\"" + b + "\",\"path\":\"" + Output("b") +
                            "\",\"error\":\"File not found\"}");
  EXPECT_EQ(objects[2].rfind("{\"list\":\"" + c + "\"", 0), 0u);
  EXPECT_EQ(json.err, "kelvane-cli: " + b + ": File not found (" + missing + ")\n");

  // --fail-fast: what comes after the failure is not built.
  std::remove(Output("c").c_str());
  const CliRun fast = BuildUnquiet({"--list", a, b, c, "--fail-fast", "-j", "1"});
  EXPECT_EQ(fast.status, 1);
  EXPECT_EQ(fast.out, Wrote("a", 1));
  EXPECT_NE(fast.err.find("kelvane-cli: " + c + ": not built: stopped after a failure\n"),
            std::string::npos);
  EXPECT_FALSE(FileExists(Output("c")));
}

TEST_F(BatchBuildTest, ExitStatusAndUsage) {
  const std::string a = Document("a", {"--type", "3", Frame(1)});
  const std::string b = Document("b", {"--type", "3", Frame(2)});
  // A palette refused in one document, none failed: 3.
  bmpgen::Bmp8 red(32, 32, 0);
  for (int i = 0; i < 256; ++i) {
    red.SetColour(uint8_t(i), 255, 0, 0);
  }
  const std::string odd = frames.Bmp("odd.bmp", red);
  const std::string c = Document("c", {"--type", "3", "--check-palette", Frame(3), odd});
  EXPECT_EQ(Build({"--list", a, c}).status, 3);
  EXPECT_EQ(Build({"--list", a, c, "--yes"}).status, 0);
  // A document that cannot be read, a list given twice: 1.
  EXPECT_EQ(Build({"--list", a, frames.File("f1.bmp")}).status, 1);
  const CliRun twice = BuildUnquiet({"--list", a, b, a, "-q"});
  EXPECT_EQ(twice.status, 1);
  EXPECT_NE(twice.err.find("is also that of " + a), std::string::npos);
  // What names one file, and separators among documents: usage errors.
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"--list", a, b, "-o", docs.File("x.def")},
                                             {"--list", a, b, "--save-list", docs.File("x.h3l")},
                                             {"--list", a, "/", b},
                                             {"--list", a, "-j", "0"}}) {
    EXPECT_EQ(Build(args).status, 2) << args.back();
  }
  EXPECT_EQ(Build({"--list", frames.path()}).status, 1);  // no document in the folder
}

}  // namespace
}  // namespace kelvane::cli
