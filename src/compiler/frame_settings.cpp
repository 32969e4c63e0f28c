// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/frame_settings.h"

#include <string>

#include "base/errors.h"
#include "base/int_text.h"
#include "prepare/size_picture.h"

namespace kelvane {

FrameSettings ResolveFrameSettings(const WindowSettings& settings, int32_t format) {
  // A NUL would end every frame name there, and names from a mask starting
  // with one would be empty for any reader.
  const size_t nul = settings.nameMask.find('\0');
  if (nul != std::string::npos) {
    ThrowInputError("The name mask holds a NUL byte (at character " + std::to_string(nul + 1) +
                    "): frame names cannot hold one");
  }
  FrameSettings frame;
  frame.shadow = settings.shadow;
  frame.outline = settings.outline;
  if (settings.fixedSize) {
    const FrameSize size{StrToInt(settings.fixedWidth), StrToInt(settings.fixedHeight)};
    CheckFixedSize(size.width, size.height);
    frame.fixedSize = size;
  }
  if (format == 0) {
    return frame;  // raw tiles keep no margins to move
  }
  if (settings.useX) {
    frame.offsets.x = StrToInt(settings.xText);
  }
  if (settings.useY) {
    frame.offsets.y = StrToInt(settings.yText);
  }
  return frame;
}

}  // namespace kelvane
