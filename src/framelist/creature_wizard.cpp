// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/creature_wizard.h"

#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

static_assert(kWizardStepCount <= kGroupNumberSlots, "every step must find a group-number slot");
static_assert(text::kWizardSteps.size() == kWizardStepCount, "one text row per step");

constexpr size_t kLastStep = kWizardStepCount - 1;
// Steps 1 and 2 (standing, mouse-over) get the selection outline.
constexpr size_t kFirstOutlinedStep = 1;
constexpr size_t kLastOutlinedStep = 2;

FrameList ListOfPaths(const std::vector<std::string>& paths) {
  FrameList list;
  for (const auto& path : paths) {
    list.Append(path);
  }
  return list;
}

void SetCreatureOptions(WindowSettings& settings) {
  // Combo boxes set from code run no reactions, so "Type of monster" keeps its
  // selection ("Custom"), and is enabled as "$42 (Monsters)" always enables
  // it; the "Fixed Size:" box does run its reaction.
  // "Custom": the groups keep the step numbers.
  settings.monsterIndex = MonsterIndexFromCode(kMonsterCustom);
  settings.typeIndex = TypeIndexFromCode(kCreatureType);
  settings = SelectFormatsFromCode(settings, kMonstersFormats);
  settings.fixedWidth = text::kWizardFixedWidth;
  settings.fixedHeight = text::kWizardFixedHeight;
  settings.shadow = true;
  settings.outline = true;
  settings = SetFixedSize(settings, true);
}

}  // namespace

size_t FinishCreatureWizard(const WizardStepLists& steps, FrameList& list, GroupNumbers& numbers,
                            WindowSettings& settings) {
  size_t group = 0;
  for (size_t step = 0; step < steps.size(); ++step) {
    if (steps[step].empty()) {
      continue;
    }
    numbers[group++] = static_cast<uint8_t>(step);
    const bool outlined = step >= kFirstOutlinedStep && step <= kLastOutlinedStep;
    for (const auto& path : steps[step]) {
      list.Append(path, outlined);
    }
    list.Append(kGroupSeparator);
  }
  SetCreatureOptions(settings);
  return list.SeparatorCount();
}

size_t FinishCreatureWizard(const WizardStepLists& steps, FrameDocument& document) {
  return FinishCreatureWizard(steps, document.list, document.numbers, document.settings);
}

Question AbortWizardQuestion() {
  return {text::kWizardAbortQuestion, text::kQuestionCaption};
}

CreatureWizard::CreatureWizard(FrameList& list, GroupNumbers& numbers, WindowSettings& settings)
    : list_(list), numbers_(numbers), settings_(settings) {
  list_.Clear();
}

CreatureWizard::CreatureWizard(FrameDocument& document)
    : CreatureWizard(document.list, document.numbers, document.settings) {}

Notice CreatureWizard::OpeningNotice() {
  return {text::kWizardOpening, text::kNoticeCaption};
}

Notice CreatureWizard::ClosingNotice() {
  return {text::kWizardClosing, text::kNoticeCaption};
}

WizardStepDisplay CreatureWizard::Display() const {
  WizardStepDisplay display;
  const size_t step = Finished() ? kLastStep : stepIndex_;
  display.previousEnabled = step > 0;
  display.forwardCaption =
      step == kLastStep ? text::kWizardFinishCaption : text::kWizardNextCaption;
  display.description = text::kWizardSteps[step].description;
  display.hint = text::kWizardSteps[step].hint;
  return display;
}

bool CreatureWizard::Next() {
  if (Finished()) {
    return true;
  }
  StoreShown();
  if (stepIndex_ < kLastStep) {
    Show(stepIndex_ + 1);
    return false;
  }
  shown_.Clear();
  stepIndex_ = kWizardStepCount;
  FinishCreatureWizard(steps_, list_, numbers_, settings_);
  return true;
}

void CreatureWizard::Previous() {
  if (Finished() || stepIndex_ == 0) {
    return;
  }
  StoreShown();
  Show(stepIndex_ - 1);
}

bool CreatureWizard::AddFiles(const std::vector<std::string>& paths) {
  for (const auto& path : paths) {
    shown_.Append(path);
  }
  return !paths.empty() && shown_.Count() == 1;
}

WizardDeleteOutcome CreatureWizard::DeleteFile(Selection selected) {
  WizardDeleteOutcome outcome;
  if (!selected) {
    return outcome;
  }
  shown_.Remove(*selected);
  outcome.deleted = true;
  if (*selected < shown_.Count()) {
    outcome.selection = selected;
  }
  if (shown_.IsEmpty()) {
    settings_.fixedWidth = text::kZeroField;
    settings_.fixedHeight = text::kZeroField;
    outcome.fixedSizeReset = true;
  }
  return outcome;
}

void CreatureWizard::StoreShown() {
  std::vector<std::string>& paths = steps_[stepIndex_];
  paths.clear();
  for (size_t i = 0; i < shown_.Count(); ++i) {
    paths.push_back(shown_.Text(i));
  }
}

void CreatureWizard::Show(size_t step) {
  stepIndex_ = step;
  shown_ = ListOfPaths(steps_[step]);
}

}  // namespace kelvane
