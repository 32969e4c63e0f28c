// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace kelvane::ui {

// The help window's own text: one numbered item for each number on the
// picture of the main window, in Russian for a Russian desktop and in English
// for any other. help.txt in the start folder replaces either.
QString BuiltInHelpText(const QLocale& locale = QLocale::system());

}  // namespace kelvane::ui
