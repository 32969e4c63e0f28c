// SPDX-License-Identifier: GPL-3.0-or-later
#include "defread/read_failure.h"

#include "base/errors.h"

namespace kelvane {

void ThrowDamaged(const DefPlace& place, uint64_t byte, const std::string& what) {
  std::string where = "\"" + place.file + "\"";
  if (place.group) {
    where += ", group " + std::to_string(*place.group + 1) + " (number " +
             std::to_string(place.groupNumber) + ")";
  }
  if (place.frame) {
    where += ", frame " + std::to_string(*place.frame + 1);
  }
  ThrowInputError(where + ", byte " + std::to_string(byte) + ": " + what, place.file);
}

}  // namespace kelvane
