// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "framelist/frame_document.h"
#include "framelist/frame_list.h"
#include "framelist/group_numbers.h"
#include "framelist/list_commands.h"
#include "framelist/window_settings.h"

namespace kelvane {

// The creature wizard (TForm2) without its window: 22 fixed animation steps,
// each collecting any number of BMP paths; finishing turns the non-empty steps
// into groups of the main frame list, numbered by their step.

constexpr size_t kWizardStepCount = 22;
using WizardStepLists = std::array<std::vector<std::string>, kWizardStepCount>;

// A modal message with only an OK button.
struct Notice {
  std::string text;
  std::string caption;
};

// What the wizard window shows for the current step.
struct WizardStepDisplay {
  bool previousEnabled = false;  // Button2 "Previous step"
  std::string forwardCaption;    // Button1: "Next step", or "Finished" at the last step
  std::string description;       // General
  std::string hint;              // General2
};

struct WizardDeleteOutcome {
  bool deleted = false;         // false when nothing was selected: nothing changed
  Selection selection;          // the same position again, none when it is past the end
  bool fixedSizeReset = false;  // the step emptied: Edit1 and Edit2 were set to "0"
};

// Writes the non-empty steps, in step order, at the end of the main list: each
// step's paths (checked for steps 1 and 2) and one separator after them; the
// g-th written step's index goes into group-number slot g. Then sets the
// options for a creature DEF. Returns the separator count for the window.
size_t FinishCreatureWizard(const WizardStepLists& steps, FrameList& list, GroupNumbers& numbers,
                            WindowSettings& settings);
size_t FinishCreatureWizard(const WizardStepLists& steps, FrameDocument& document);

// The question of "Abort Wizard"; OK closes the wizard.
Question AbortWizardQuestion();

class CreatureWizard {
 public:
  // FormCreate: empties the main list (the group numbers stay as they are) and
  // starts at step 0 with every step empty. The wizard writes into the three
  // values it is given, which must outlive it.
  CreatureWizard(FrameList& list, GroupNumbers& numbers, WindowSettings& settings);
  explicit CreatureWizard(FrameDocument& document);

  // The message shown before the wizard window appears.
  static Notice OpeningNotice();
  // The message shown once the wizard has finished.
  static Notice ClosingNotice();

  size_t StepIndex() const { return stepIndex_; }
  bool Finished() const { return stepIndex_ == kWizardStepCount; }

  // The paths of the current step, as the wizard's list box shows them. Only
  // their texts matter; FirstFrameSizeRefresh reads its first entry.
  const FrameList& ShownList() const { return shown_; }
  void SetShownListListener(FrameListListener* listener) { shown_.SetListener(listener); }

  // FormShow: the step display.
  WizardStepDisplay Display() const;

  // Button1Click "Next step" / "Finished": keeps the shown paths for the step
  // and shows the next one; after the last step it finishes into the main
  // list, numbers and settings. Returns whether the wizard has finished (the
  // window then shows ClosingNotice and closes). Does nothing once finished.
  bool Next();

  // Button2Click "Previous step": keeps the shown paths and shows the step
  // before. Does nothing at step 0 or once finished.
  void Previous();

  // Button3Click "Add BMP file": appends the chosen paths in dialog order.
  // Returns whether FirstFrameSizeRefresh must run on ShownList(): paths were
  // added and it now holds exactly one entry. A cancelled dialog passes none
  // and changes nothing.
  [[nodiscard]] bool AddFiles(const std::vector<std::string>& paths);

  // Button4Click "Delete file": removes the selected path.
  WizardDeleteOutcome DeleteFile(Selection selected);

 private:
  void StoreShown();
  void Show(size_t step);

  FrameList& list_;
  GroupNumbers& numbers_;
  WindowSettings& settings_;
  WizardStepLists steps_;
  size_t stepIndex_ = 0;
  FrameList shown_;
};

}  // namespace kelvane
