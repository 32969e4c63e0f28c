// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame_list_model.h"

namespace kelvane::ui {

FrameListModel::FrameListModel(FrameList& list, QObject* parent)
    : FrameListModel(
          list, [&list](FrameListListener* listener) { list.SetListener(listener); }, parent) {
  checkMarks_ = true;
}

FrameListModel::FrameListModel(const FrameList& list,
                               std::function<void(FrameListListener*)> listen, QObject* parent)
    : QAbstractListModel(parent), list_(&list), listen_(std::move(listen)), checkMarks_(false) {
  listen_(this);
}

void FrameListModel::Detach() {
  if (list_ != nullptr) {
    beginResetModel();
    listen_(nullptr);
    list_ = nullptr;
    endResetModel();
  }
}

void FrameListModel::SetLocked(bool locked) {
  if (locked_ != locked) {
    locked_ = locked;
    if (rowCount() > 0) {
      emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
    }
  }
}

int FrameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || list_ == nullptr ? 0 : int(list_->Count());
}

QVariant FrameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) {
    return {};
  }
  const size_t row = size_t(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return QString::fromStdString(list_->Text(row));
    case Qt::CheckStateRole:
      if (!checkMarks_) {
        return {};
      }
      return list_->Checked(row) ? Qt::Checked : Qt::Unchecked;
    default:
      return {};
  }
}

Qt::ItemFlags FrameListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return checkMarks_ && !locked_ ? flags | Qt::ItemIsUserCheckable : flags;
}

bool FrameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!checkMarks_ || locked_ || role != Qt::CheckStateRole || !index.isValid() ||
      index.row() >= rowCount()) {
    return false;
  }
  emit checkToggled(index.row(), static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
  return true;
}

void FrameListModel::RowsAboutToBeInserted(size_t first, size_t count) {
  beginInsertRows(QModelIndex(), int(first), int(first + count) - 1);
}

void FrameListModel::RowsInserted(size_t, size_t) {
  endInsertRows();
}

void FrameListModel::RowsAboutToBeRemoved(size_t first, size_t count) {
  beginRemoveRows(QModelIndex(), int(first), int(first + count) - 1);
}

void FrameListModel::RowsRemoved(size_t, size_t) {
  endRemoveRows();
}

void FrameListModel::RowsChanged(size_t first, size_t last) {
  emit dataChanged(index(int(first)), index(int(last)));
}

}  // namespace kelvane::ui
