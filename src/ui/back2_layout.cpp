// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window: names, captions, places and start states.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

#include "base/verbatim_texts.h"
#include "ui/back2.h"
#include "ui/controls.h"
#include "ui/frame_list_model.h"
#include "ui/gauge.h"
#include "ui/pictures.h"
#include "ui/screen_fit.h"
#include "ui/status_line.h"

namespace kelvane::ui {

namespace {

template <size_t N>
QComboBox* ComboBox(QWidget* parent, const char* name, const std::array<const char*, N>& items,
                    QRect place) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(int(N));
  for (const char* item : items) {
    box->addItem(item);
  }
  return Place(box, name, place);
}

QLineEdit* Edit(QWidget* parent, const char* name, QRect place) {
  return Place(new QLineEdit(parent), name, place);
}

}  // namespace

void TForm1::CreateControls() {
  Controls& c = controls_;
  // The specified client area, scrolled only on a screen too small for it.
  QWidget* client = MakeScrollingClient(*this, {658, 469});
  c.Panel1 = Panel(client, "Panel1", QFrame::Sunken, {0, 4, 193, 189});
  c.Image1 = Place(new QLabel(c.Panel1), "Image1", {2, 2, 189, 185});
  c.Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  c.CheckBox1 = CheckBox(client, "CheckBox1", text::kStretchCaption, {200, 10, 118, 14});
  c.CheckBox1->setChecked(true);
  c.help = Button(client, "help", text::kHelpButtonCaption, {327, 5, 20, 22});
  SetBold(c.help);
  c.ComboBox2 = ComboBox(client, "ComboBox2", text::kTypeItems, {200, 32, 145, 21});
  c.ComboBox1 = ComboBox(client, "ComboBox1", text::kFormatsItems, {200, 64, 145, 21});
  c.Button6 = Button(client, "Button6", text::kNewCaption, {200, 90, 145, 25});
  SetBold(c.Button6, true);
  c.Button5 = Button(client, "Button5", text::kAddSeparatorCaption, {200, 117, 145, 25});
  c.Button2 = Button(client, "Button2", text::kAddFileCaption, {200, 144, 145, 25});
  c.Button3 = Button(client, "Button3", text::kCutFileCaption, {200, 171, 145, 25});
  c.Button4 = Button(client, "Button4", text::kLoadDefListCaption, {200, 198, 145, 25});
  c.BitBtn1 = Button(client, "BitBtn1", text::kSaveDefListCaption, {200, 225, 145, 25});
  c.Button1 = Button(client, "Button1", text::kCreateDefCaption, {200, 255, 145, 25});
  SetBold(c.Button1);
  QPalette purple = c.Button1->palette();
  // Disabled, as while a build runs, it greys as every button does.
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    purple.setColor(group, QPalette::ButtonText, QColor(128, 0, 128));
  }
  c.Button1->setPalette(purple);

  c.Panel2 = Panel(client, "Panel2", QFrame::Raised, {8, 200, 184, 82});
  c.Label14 = Label(c.Panel2, "Label14", text::kNumItemCaption, {8, 12, 110, 16});
  c.Label6 = Label(c.Panel2, "Label6", text::kNumberSeparatorCaption, {8, 34, 110, 16});
  c.Label13 = Label(c.Panel2, "Label13", text::kTransparentColorCaption, {8, 54, 110, 16});
  c.Panel3 = Panel(c.Panel2, "Panel3", QFrame::Sunken, {120, 8, 57, 67});
  c.Label7 = Label(c.Panel3, "Label7", text::kZeroField, {24, 8, 30, 16});
  c.Label8 = Label(c.Panel3, "Label8", text::kZeroField, {24, 27, 30, 16});
  c.Label1 = Label(c.Panel3, "Label1", text::kZeroField, {24, 45, 30, 16});

  c.Edit3 = Edit(client, "Edit3", {8, 286, 284, 21});
  c.BitBtn2 = Button(client, "BitBtn2", "", {294, 286, 52, 23});
  c.BitBtn2->setIcon(FolderPicture());
  c.BitBtn2->setIconSize(FolderPicture().size());
  c.Gauge1 = Place(new Gauge(client), "Gauge1", {8, 311, 337, 33});

  c.CB2 = CheckBox(client, "CB2", text::kShadowCaption, {8, 352, 129, 17});
  c.CB3 = CheckBox(client, "CB3", text::kOutlineCaption, {144, 352, 193, 17});
  c.CB4 = CheckBox(client, "CB4", text::kFixedSizeCaption, {8, 376, 73, 17});
  c.Label2 = Label(client, "Label2", text::kXCaption, {88, 376, 15, 21});
  c.Label3 = Label(client, "Label3", text::kYCaption, {152, 376, 15, 21});
  SetBold(c.Label2);
  SetBold(c.Label3);
  c.Edit1 = Edit(client, "Edit1", {104, 372, 41, 21});
  c.Edit2 = Edit(client, "Edit2", {168, 372, 41, 21});
  c.Edit4 = Edit(client, "Edit4", {224, 372, 121, 21});
  c.ComboBox3 = ComboBox(client, "ComboBox3", text::kMonsterItems, {8, 400, 145, 21});
  c.CheckBox2 = CheckBox(client, "CheckBox2", text::kSolidColorCaption, {176, 404, 121, 17});
  c.Label4 = Label(client, "Label4", text::kOffsetsCaption, {8, 424, 150, 16});
  c.CB5 = CheckBox(client, "CB5", text::kXCaption, {7, 448, 32, 17});
  c.Edit5 = Edit(client, "Edit5", {39, 443, 28, 21});
  c.CB6 = CheckBox(client, "CB6", text::kYCaption, {75, 448, 31, 17});
  c.Edit6 = Edit(client, "Edit6", {107, 443, 28, 21});
  SetBold(c.CB5);
  SetBold(c.CB6);
  c.WizardButton = Button(client, "WizardButton", text::kWizardButtonCaption, {160, 432, 177, 33});
  SetBold(c.WizardButton);

  c.ListBox1 = Place(new QListView(client), "ListBox1", {352, 0, 306, 469});
  listModel_ = new FrameListModel(document_.list, this);
  c.ListBox1->setModel(listModel_);
  c.ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  c.ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  c.ListBox1->setUniformItemSizes(true);
  c.ListBox1->installEventFilter(this);
  CreateListContextMenu();

  // Not a control of the specified layout: a line below all of them.
  statusLine_ = new StatusLine(this);
  statusLine_->setObjectName("StatusLine");
  statusLine_->setFixedHeight(kStatusLineHeight);
  layout()->addWidget(statusLine_);

  FitFontToCaptions(*this);
  // The drop-down lists show their items whole, also where the box is narrower.
  for (QComboBox* box : {c.ComboBox2, c.ComboBox1, c.ComboBox3}) {
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 8);
  }
}

void TForm1::CreateListContextMenu() {
  const struct {
    const char* caption;
    void (TForm1::*command)();
  } commands[] = {
      {text::kAddFileCaption, &TForm1::Button2Click},
      {text::kCutFileCaption, &TForm1::Button3Click},
      {text::kAddSeparatorCaption, &TForm1::Button5Click},
      {text::kNewCaption, &TForm1::Button6Click},
  };
  QListView* list = controls_.ListBox1;
  for (const auto& command : commands) {
    auto* action = new QAction(command.caption, list);
    connect(action, &QAction::triggered, this, command.command);
    list->addAction(action);
    idleOnly_.push_back(action);
  }
  // The menu in the window's font, which a menu, being a window of its own,
  // would not take on by itself.
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    RefreshViewBuiltDef();  // the file may have come or gone outside the window
    RefreshColourCommands();
    QMenu menu(this);
    menu.setFont(font());
    menu.addActions(list->actions());
    menu.exec(list->viewport()->mapToGlobal(at));
  });
}

}  // namespace kelvane::ui
