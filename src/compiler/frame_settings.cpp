#include "compiler/frame_settings.h"

#include "base/int_text.h"
#include "prepare/size_picture.h"

namespace kelvane {

FrameSettings ResolveFrameSettings(const WindowSettings& settings, int32_t format) {
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
