// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advice_terms.h"

#include "base/verbatim_texts.h"

namespace kelvane::ui {

namespace {

std::string Quoted(std::string caption) {
  while (!caption.empty() && caption.back() == ' ') {
    caption.pop_back();  // "Generate Shadow " ends in a blank
  }
  return "\"" + caption + "\"";
}

}  // namespace

AdviceTerms WindowAdviceTerms() {
  AdviceTerms t;
  t.shadow = Quoted(text::kShadowCaption);
  t.outline = Quoted(text::kOutlineCaption);
  t.offsetX = "the X offset";
  t.offsetY = "the Y offset";
  for (size_t type = 0; type < t.types.size(); ++type) {
    t.types[type] = "Type " + Quoted(text::kTypeItems[type]);
  }
  t.checkMarksIgnored = "the check marks change nothing";
  t.checkMarkAt = "the check mark on entry {}";
  t.giveCheckMarks = "check the frames to outline in the list";
  t.mask = "the name mask";
  t.separators = "separators";
  t.aSeparator = "a separator";
  t.separator = "separator";
  t.outputNamed = "the output \"{}\"";
  t.chooseOutput = "choose an output in a folder that does with the folder button";
  t.addFrame = std::string("add it with ") + Quoted(text::kAddFileCaption);
  t.readWithoutSettings = "choose the filter entry \"*.h3l\" to read a list without them";
  return t;
}

}  // namespace kelvane::ui
