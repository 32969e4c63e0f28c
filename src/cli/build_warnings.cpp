// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/build_warnings.h"

#include "compiler/advice_words.h"
#include "compiler/build_advice.h"

namespace kelvane::cli {

namespace {

// The core's advice in the command line's words: options by their names.
const AdviceTerms& CommandLineTerms() {
  static const AdviceTerms terms = [] {
    AdviceTerms t;
    t.shadow = "--shadow";
    t.outline = "--outline";
    t.offsetX = "--x";
    t.offsetY = "--y";
    for (size_t type = 0; type < t.types.size(); ++type) {
      t.types[type] = "Type " + std::to_string(type);
    }
    t.checkMarksIgnored = "--check changes nothing";
    t.checkMarkAt = "--check {}";
    t.giveCheckMarks = "give --check";
    t.mask = "--mask";
    t.separators = "group separators (/)";
    t.aSeparator = "a group separator (/)";
    t.separator = "/";
    t.outputNamed = "-o \"{}\"";
    t.chooseOutput = "give -o a path in a folder that does";
    t.addFrame = "give it without --list";
    t.readWithoutSettings = "--list-type 1 reads a list without them";
    t.outputOutsideDocument =
        "give -o with the DEF's path to write it outside the document's folder";
    return t;
  }();
  return terms;
}

}  // namespace

std::vector<std::string> BuildWarnings(const BuildRequest& request, const FrameDocument& document) {
  const AdviceTerms& terms = CommandLineTerms();
  // Only what the command line asked for is warned about, not what a document holds.
  const auto given = [&](AdvisedOption option) {
    switch (option) {
      case AdvisedOption::Shadow:
        return request.Gave(terms.shadow);
      case AdvisedOption::Outline:
        return request.Gave(terms.outline);
      case AdvisedOption::OffsetX:
        return request.Gave(terms.offsetX);
      case AdvisedOption::OffsetY:
        return request.Gave(terms.offsetY);
    }
    return false;
  };
  // A build tells the widths of the frames as it reads them (WarnAboutWidths).
  std::vector<std::string> warnings =
      kelvane::BuildWarnings(document, terms, given, request.noBuild);
  if (request.saveListPath && !request.checkedPositions.empty()) {
    warnings.push_back("a DefList keeps no check marks: " + advice::Quoted(*request.saveListPath) +
                       " is saved without those of --check");
  }
  return warnings;
}

std::vector<std::string> FailureHints(const BuildRequest& request, const FrameDocument& document,
                                      const Error& failure) {
  return kelvane::FailureHints(document, failure, CommandLineTerms(),
                               request.listPath.value_or(std::string()));
}

}  // namespace kelvane::cli
