// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <memory>
#include <string>
#include <vector>

#include "fake_dialogs.h"
#include "support/test_support.h"
#include "ui/back2.h"

// A main window answered by FakeDialogs, driven as a user drives it.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  template <typename Widget>
  Widget* Get(const char* name) const {
    auto* widget = window->findChild<Widget*>(name);
    if (widget == nullptr) {
      ADD_FAILURE() << "no control " << name;
    }
    return widget;
  }
  std::string Text(const char* name) const;  // of a label, edit field, combo box or button

  void Click(const char* button);
  // "Create Def File", then waits until the build has ended.
  void BuildAndWait();
  void WaitForBuild();
  void Pick(const char* comboBox, int index);  // as the user picks an item
  void SelectRow(int row);                     // as the user clicks an entry, -1 for none
  int SelectedRow() const;
  void AddFiles(const std::vector<std::string>& paths, int filterIndex = 0);
  void SetEntries(const std::vector<std::string>& entries);  // New list, then ADD File one by one
  std::vector<std::string> Entries() const;
  std::vector<bool> Checks() const;
  void Check(int row, bool checked);  // as the user toggles a check mark
  // Files dragged onto `target`, by default the main window.
  void Drop(QPoint at, const std::vector<std::string>& paths, QWidget* target = nullptr);

  // Frames of `size` pixels in the temporary folder, named frame1.bmp, ...
  std::vector<std::string> Frames(int count, int width = 32, int height = 32);

  testing_support::TempDir folder;
  FakeDialogs dialogs;
  std::unique_ptr<kelvane::ui::TForm1> window;
};

std::string Separator();
