// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

class QMimeData;

namespace kelvane::ui {

// The local files a drag carries, in its order.
std::vector<std::string> LocalFiles(const QMimeData& data);

struct DroppedFiles {
  std::optional<std::string> defList;  // the first "*.h3l" document, opened as type 2
  std::vector<std::string> frames;     // the "*.bmp" and "*.png" frames, in the drag's order
};

// Sorts dropped files by their extension, whatever its case; others are left out.
DroppedFiles SortDroppedFiles(const std::vector<std::string>& paths);

}  // namespace kelvane::ui
