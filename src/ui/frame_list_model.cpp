#include "ui/frame_list_model.h"

namespace kelvane::ui {

int FrameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(list_.Count());
}

QVariant FrameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || size_t(index.row()) >= list_.Count()) {
    return {};
  }
  const size_t row = size_t(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return QString::fromStdString(list_.Text(row));
    case Qt::CheckStateRole:
      return list_.Checked(row) ? Qt::Checked : Qt::Unchecked;
    default:
      return {};
  }
}

Qt::ItemFlags FrameListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

bool FrameListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || size_t(index.row()) >= list_.Count()) {
    return false;
  }
  emit checkToggled(index.row(), static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
  return true;
}

void FrameListModel::ListChanged() {
  beginResetModel();
  endResetModel();
}

}  // namespace kelvane::ui
