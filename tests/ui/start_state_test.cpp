// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it starts: every control, its place, caption, state.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QProgressBar>
#include <QStyle>

#include "window_fixture.h"

namespace {

struct StartControl {
  const char* name;
  QRect place;       // relative to the control's parent
  const char* text;  // nullptr: no text to compare
  bool enabled;
  int checked;  // -1: not a check box
};

const StartControl kStartControls[] = {
    {"Panel1", {0, 4, 193, 189}, nullptr, true, -1},
    {"CheckBox1", {200, 10, 118, 14}, "Stretch On/Off", true, 1},
    {"help", {327, 5, 20, 22}, "?", true, -1},
    {"ComboBox2", {200, 32, 145, 21}, "Buttons,backgrounds,mosters.", true, -1},
    {"ComboBox1", {200, 64, 145, 21}, "$47 (Buildings and buttons)", true, -1},
    {"Button6", {200, 90, 145, 25}, "New", true, -1},
    {"Button5", {200, 117, 145, 25}, "AddSeparator", true, -1},
    {"Button2", {200, 144, 145, 25}, "ADD File", true, -1},
    {"Button3", {200, 171, 145, 25}, "Cut File (Key: Delete)", true, -1},
    {"Button4", {200, 198, 145, 25}, "Load DefList", true, -1},
    {"BitBtn1", {200, 225, 145, 25}, "Save As DefList", true, -1},
    {"Button1", {200, 255, 145, 25}, "Create Def File", true, -1},
    {"Panel2", {8, 200, 184, 82}, nullptr, true, -1},
    {"Label14", {8, 12, 110, 16}, "Num Item:", true, -1},
    {"Label6", {8, 34, 110, 16}, "Number Separator:", true, -1},
    {"Label13", {8, 54, 110, 16}, "Transparent color:", true, -1},
    {"Panel3", {120, 8, 57, 67}, nullptr, true, -1},
    {"Label7", {24, 8, 30, 16}, "0", true, -1},
    {"Label8", {24, 27, 30, 16}, "0", true, -1},
    {"Label1", {24, 45, 30, 16}, "0", true, -1},
    {"Edit3", {8, 286, 284, 21}, "Temp.def", true, -1},
    {"BitBtn2", {294, 286, 52, 23}, "", true, -1},
    {"Gauge1", {8, 311, 337, 33}, nullptr, true, -1},
    {"CB2", {8, 352, 129, 17}, "Generate Shadow ", true, 0},
    {"CB3", {144, 352, 193, 17}, "Create Light border (For Check only)", true, 0},
    {"CB4", {8, 376, 73, 17}, "Fixed Size:", true, 0},
    {"Label2", {88, 376, 15, 21}, "X:", true, -1},
    {"Label3", {152, 376, 15, 21}, "Y:", true, -1},
    {"Edit1", {104, 372, 41, 21}, "0", false, -1},
    {"Edit2", {168, 372, 41, 21}, "0", false, -1},
    {"Edit4", {224, 372, 121, 21}, "", true, -1},
    {"ComboBox3", {8, 400, 145, 21}, "Type of monster", false, -1},
    {"CheckBox2", {176, 404, 121, 17}, "Check For SolidColor", true, 0},
    {"Label4", {8, 424, 150, 16}, "Absolute offsets from center:", true, -1},
    {"CB5", {7, 448, 32, 17}, "X:", true, 0},
    {"Edit5", {39, 443, 28, 21}, "Auto", false, -1},
    {"CB6", {75, 448, 31, 17}, "Y:", true, 0},
    {"Edit6", {107, 443, 28, 21}, "Auto", false, -1},
    {"WizardButton", {160, 432, 177, 33}, "Creature Wizard", true, -1},
    {"ListBox1", {352, 0, 306, 469}, nullptr, true, -1},
};

TEST_F(WindowTest, StartsWithEveryControlInPlaceWithItsCaptionAndState) {
  EXPECT_EQ(window->windowTitle().toStdString(), "Kelvane v. 8.5              ");
  // The specified client area, and the status line below it.
  EXPECT_EQ(window->size(), QSize(658, 469 + kelvane::ui::TForm1::kStatusLineHeight));
  EXPECT_EQ(Get<QWidget>("StatusLine")->geometry(),
            QRect(0, 469, 658, kelvane::ui::TForm1::kStatusLineHeight));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(window->windowIcon().isNull());
  for (const StartControl& control : kStartControls) {
    SCOPED_TRACE(control.name);
    QWidget* widget = Get<QWidget>(control.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), control.place);
    EXPECT_EQ(widget->isEnabled(), control.enabled);
    if (control.text != nullptr) {
      EXPECT_EQ(Text(control.name), control.text);
    }
    if (control.checked >= 0) {
      EXPECT_EQ(Get<QCheckBox>(control.name)->isChecked(), control.checked == 1);
    }
  }
  EXPECT_TRUE(Get<QLineEdit>("Edit5")->isReadOnly());
  EXPECT_TRUE(Get<QLineEdit>("Edit6")->isReadOnly());
  EXPECT_EQ(Get<QProgressBar>("Gauge1")->value(), 0);
  EXPECT_TRUE(Get<QComboBox>("ComboBox2")->isEditable());
  EXPECT_EQ(Get<QComboBox>("ComboBox3")->currentIndex(), -1);
  EXPECT_FALSE(Get<QAbstractButton>("BitBtn2")->icon().isNull());
}

TEST_F(WindowTest, CombosHoldTheirItemsInOrder) {
  const struct {
    const char* box;
    std::vector<std::string> items;
  } boxes[] = {
      {"ComboBox2",
       {"Buttons,backgrounds,mosters.", "Roads,shadows - Disabled", "Map object", "Terrain"}},
      {"ComboBox1",
       {"$49 {Heroes On Map}", "$48 {Unknow)", "$47 (Buildings and buttons)", "$46 {Unknow)",
        "$45 {Terrain}", "$44 (Map object)", "$43 (Map object)", "$42 (Monsters)", "$41 {Unknow}",
        "$40 {Spells in Battle}"}},
      {"ComboBox3",
       {"Zealot", "----------", "Snapshooter", "Titan", "Ghost", "Writh", "----------", "Golems",
        "Devil", "Edinorog(Unicorn)", "Crusaider", "----------", "Green Dragon", "----------",
        "Custom"}},
  };
  for (const auto& box : boxes) {
    auto* combo = Get<QComboBox>(box.box);
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i) {
      items.push_back(combo->itemText(i).toStdString());
    }
    EXPECT_EQ(items, box.items) << box.box;
  }
}

// What a user would see clipped or covered on the fixed layout.
TEST_F(WindowTest, NoCaptionIsClippedAndNoControlsOverlap) {
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    const int indicator = qobject_cast<const QCheckBox*>(button) != nullptr
                              ? button->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                    button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                              : 6;
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + indicator, button->width())
        << button->objectName().toStdString();
    EXPECT_LE(button->fontMetrics().height(), button->height())
        << button->objectName().toStdString();
  }
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->objectName().toStdString();
  }
  const QObjectList& children = window->children();
  for (int i = 0; i < children.size(); ++i) {
    for (int j = i + 1; j < children.size(); ++j) {
      auto* a = qobject_cast<QWidget*>(children[i]);
      auto* b = qobject_cast<QWidget*>(children[j]);
      if (a != nullptr && b != nullptr) {
        EXPECT_FALSE(a->geometry().intersects(b->geometry()))
            << a->objectName().toStdString() << " and " << b->objectName().toStdString();
      }
    }
  }
}

TEST_F(WindowTest, TabOrderFollowsTheLayout) {
  const std::vector<std::string> expected = {
      "CheckBox1", "help",    "ComboBox2", "ComboBox1", "Button6",      "Button5",   "Button2",
      "Button3",   "Button4", "BitBtn1",   "Button1",   "Edit3",        "BitBtn2",   "CB2",
      "CB3",       "CB4",     "Edit1",     "Edit2",     "Edit4",        "ComboBox3", "CheckBox2",
      "CB5",       "Edit5",   "CB6",       "Edit6",     "WizardButton", "ListBox1"};
  std::vector<std::string> order;
  QWidget* widget = Get<QWidget>("CheckBox1");
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty() &&
        widget->parent() != nullptr && !qobject_cast<QComboBox*>(widget->parentWidget())) {
      order.push_back(widget->objectName().toStdString());
    }
    widget = widget->nextInFocusChain();
  } while (widget != Get<QWidget>("CheckBox1") && order.size() < 40);
  EXPECT_EQ(order, expected);
}

TEST_F(WindowTest, HelpShowsTheHelpWindow) {
  QWidget help;
  window->SetHelpWindow(&help);
  Click("help");
  EXPECT_TRUE(help.isVisible());
}

}  // namespace
