#pragma once

// Stand-ins for core operations the window needs in a shape the core does not
// offer yet. Each one only converts between the core's own types or says
// what the core says; none makes a choice of its own beyond what is noted.
// They go away as the core takes WindowSettings everywhere.

#include <optional>
#include <string>

#include "compiler/compile_options.h"
#include "framelist/frame_list.h"
#include "framelist/window_settings.h"

namespace kelvane::ui {

// The window's settings as the compile driver and the DefList documents read them.
CompileOptions ToCompileOptions(const WindowSettings& settings);

// Takes back the values a core operation changed on CompileOptions. The size
// and offset fields are enabled exactly while their check box is on (each
// click reaction keeps them so); the monster box keeps its state.
WindowSettings WithOptions(WindowSettings settings, const CompileOptions& options);

// What the preview shows for a selection: Label7's text, and the picture to
// load, when one is to be loaded (none keeps the picture shown).
struct PreviewStep {
  std::string positionText;
  std::optional<std::string> picturePath;
};

// The add-file dialog's first filter entry ("BMP Files") lets the preview
// load frames; with another entry last chosen it only updates the position.
PreviewStep PreviewFor(const FrameList& list, Selection selected, int addFilterIndex);

}  // namespace kelvane::ui
