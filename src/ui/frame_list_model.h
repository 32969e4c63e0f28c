#pragma once

#include <QAbstractListModel>

#include "framelist/frame_list.h"

namespace kelvane::ui {

// Shows a FrameList in a check-list view: one row per entry, its text as it
// stands and its check mark. A check mark the user toggles is not stored here
// but reported, so that the window runs its reaction on the list.
class FrameListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit FrameListModel(const FrameList& list, QObject* parent = nullptr)
      : QAbstractListModel(parent), list_(list) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The list was changed by a command: every row is shown afresh.
  void ListChanged();

 signals:
  void checkToggled(int row, bool checked);

 private:
  const FrameList& list_;
};

}  // namespace kelvane::ui
