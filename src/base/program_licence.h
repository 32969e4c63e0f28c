// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvane {

// What both programs print after their version: the licence in the usual
// lines of a GPL program's --version.
inline constexpr const char* kLicenceLines =
    "License GPL-3.0-or-later: GNU GPL version 3 or later "
    "<https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace kelvane
