// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keyboard shortcuts, each told in its control's tooltip.

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <functional>

#include "ui/back2.h"
#include "ui/ui_texts.h"

namespace kelvane::ui {

void TForm1::CreateShortcuts() {
  Controls& c = controls_;
  const struct {
    QWidget* control;  // whose tooltip tells the keys; none for quitting
    const char* what;
    QList<QKeySequence> keys;
    std::function<void()> command;
    bool whileBuilding;  // the command changes nothing a build reads
  } shortcuts[] = {
      {c.Button6, ui_text::kNewTip, {Qt::CTRL | Qt::Key_N}, [this] { Button6Click(); }, false},
      {c.Button4, ui_text::kLoadTip, {Qt::CTRL | Qt::Key_O}, [this] { Button4Click(); }, false},
      {c.BitBtn1, ui_text::kSaveTip, {Qt::CTRL | Qt::Key_S}, [this] { BitBtn1Click(); }, false},
      {c.Button2, ui_text::kAddTip, {Qt::Key_Insert}, [this] { Button2Click(); }, false},
      {c.Button1,
       ui_text::kBuildTip,
       {Qt::CTRL | Qt::Key_B, Qt::Key_F5},
       [this] { Button1Click(); },
       false},
      {c.help, ui_text::kHelpTip, {Qt::Key_F1}, [this] { helpClick(); }, true},
      {nullptr, ui_text::kQuitTip, {Qt::CTRL | Qt::Key_Q}, [this] { close(); }, true},
  };
  for (const auto& shortcut : shortcuts) {
    auto* action = new QAction(shortcut.what, this);
    action->setShortcuts(shortcut.keys);
    connect(action, &QAction::triggered, this, shortcut.command);
    addAction(action);  // wherever the focus is in the window
    if (!shortcut.whileBuilding) {
      idleOnly_.push_back(action);
    }
    if (shortcut.control != nullptr) {
      QStringList keys;
      for (const QKeySequence& key : shortcut.keys) {
        keys << key.toString(QKeySequence::NativeText);
      }
      const QString tip = QString(ui_text::kShortcutTip).arg(shortcut.what, keys.join(", "));
      shortcut.control->setToolTip(tip);
      shortcut.control->setProperty(kShortcutTipProperty, tip);
    }
  }
  c.Button3->setToolTip(
      QString(ui_text::kShortcutTip)
          .arg(ui_text::kCutTip, QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText)));
}

}  // namespace kelvane::ui
