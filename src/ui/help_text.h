// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kelvane::ui {

// The help window's own text, in Russian: one numbered item for each number
// on the picture of the main window. help.txt in the start folder replaces it.
QString BuiltInHelpText();

}  // namespace kelvane::ui
