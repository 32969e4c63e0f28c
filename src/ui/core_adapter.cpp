#include "ui/core_adapter.h"

#include "base/verbatim_texts.h"

namespace kelvane::ui {

CompileOptions ToCompileOptions(const WindowSettings& settings) {
  CompileOptions options;
  options.typePosition = settings.typeIndex;
  options.formatsPosition = settings.formatsIndex;
  options.monsterPosition = settings.monsterIndex;
  options.outputPath = settings.outputName;
  options.nameMask = settings.nameMask;
  options.checkPalette = settings.checkPalette;
  options.shadow = settings.shadow;
  options.outline = settings.outline;
  options.fixedSize = settings.fixedSize;
  options.fixedWidth = settings.fixedWidth;
  options.fixedHeight = settings.fixedHeight;
  options.useX = settings.useX;
  options.xText = settings.xText;
  options.useY = settings.useY;
  options.yText = settings.yText;
  return options;
}

WindowSettings WithOptions(WindowSettings settings, const CompileOptions& options) {
  settings.typeIndex = options.typePosition;
  settings.formatsIndex = options.formatsPosition;
  settings.monsterIndex = options.monsterPosition;
  settings.outputName = options.outputPath;
  settings.nameMask = options.nameMask;
  settings.checkPalette = options.checkPalette;
  settings.shadow = options.shadow;
  settings.outline = options.outline;
  settings.fixedSize = options.fixedSize;
  settings.fixedWidth = options.fixedWidth;
  settings.fixedHeight = options.fixedHeight;
  settings.useX = options.useX;
  settings.xText = options.xText;
  settings.useY = options.useY;
  settings.yText = options.yText;
  settings.fixedFieldsEnabled = options.fixedSize;
  settings.xFieldEnabled = options.useX;
  settings.yFieldEnabled = options.useY;
  return settings;
}

PreviewStep PreviewFor(const FrameList& list, Selection selected, int addFilterIndex) {
  PreviewStep step;
  step.positionText = selected && *selected < list.Count() ? std::to_string(*selected + 1)
                                                           : std::string(text::kZeroField);
  if (addFilterIndex == 0 && selected && *selected < list.Count() && !list.IsSeparator(*selected)) {
    step.picturePath = list.Text(*selected);
  }
  return step;
}

}  // namespace kelvane::ui
