// The workshop's list for a table view: its rows, their sort keys, and the filters.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "names/workshop_table.h"

namespace tessaro {

class WorkshopModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // What the columns sort by: numbers as numbers (an empty one first), names without accents.
  static constexpr int SortRole = Qt::UserRole;

  using QAbstractTableModel::QAbstractTableModel;

  void setRows(std::vector<WorkshopRow> rows);
  const WorkshopRow& row(int index) const { return rows[static_cast<size_t>(index)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<WorkshopRow> rows;
};

// Keeps the rows that the filter accepts.
class WorkshopFilterModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit WorkshopFilterModel(WorkshopModel* source, QObject* parent = nullptr);

  void setFilter(const CandidateFilter& filter);
  const WorkshopRow& row(int proxyRow) const;
  // The rows in the order shown.
  std::vector<const WorkshopRow*> shownRows() const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  WorkshopModel* rows;
  CandidateFilter filter;
};

}  // namespace tessaro
