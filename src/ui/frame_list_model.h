// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <functional>

#include "framelist/frame_list.h"

namespace kelvane::ui {

// Shows a FrameList in a check-list view: one row per entry, its text as it
// stands and its check mark, updated row by row as the list reports its
// changes. A check mark the user toggles is not stored here but reported, so
// that the window runs its reaction on the list.
class FrameListModel : public QAbstractListModel, private FrameListListener {
  Q_OBJECT
 public:
  // Listens to `list` until Detach(); the list must outlive that.
  explicit FrameListModel(FrameList& list, QObject* parent = nullptr);
  // A plain list without check marks, whose owner hands out its listener
  // slot through `listen`.
  FrameListModel(const FrameList& list, std::function<void(FrameListListener*)> listen,
                 QObject* parent = nullptr);
  void Detach();
  // While locked, check marks show but cannot be toggled (a build reads them).
  void SetLocked(bool locked);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void checkToggled(int row, bool checked);

 private:
  void RowsAboutToBeInserted(size_t first, size_t count) override;
  void RowsInserted(size_t first, size_t count) override;
  void RowsAboutToBeRemoved(size_t first, size_t count) override;
  void RowsRemoved(size_t first, size_t count) override;
  void RowsChanged(size_t first, size_t last) override;

  const FrameList* list_;
  std::function<void(FrameListListener*)> listen_;
  bool checkMarks_;
  bool locked_ = false;
};

}  // namespace kelvane::ui
