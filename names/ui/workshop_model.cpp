// The workshop's table model and its filter.
#include "names/ui/workshop_model.h"

#include "common/integer.h"
#include "names/folded_name.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

bool isNumberColumn(int column) { return column >= IntimateColumn && column <= ActiveColumn; }

}  // namespace

void WorkshopModel::setRows(std::vector<WorkshopRow> newRows) {
  beginResetModel();
  rows = std::move(newRows);
  endResetModel();
}

int WorkshopModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int WorkshopModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : WorkshopColumnCount;
}

QVariant WorkshopModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const WorkshopRow& shown = row(index.row());
  const Text cell = workshopCell(shown, index.column());
  switch (role) {
    case Qt::DisplayRole:
      return toQString(cell);
    case SortRole:
      if (isNumberColumn(index.column())) return cell.empty() ? -1 : static_cast<int>(toInteger(cell));
      return toQString(foldedName(cell));
    case Qt::TextAlignmentRole:
      return isNumberColumn(index.column()) ? QVariant(Qt::AlignCenter)
                                            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole:
      if (index.column() == NameColumn && !shown.inDictionary)
        return QStringLiteral(u"Ajouté, absent du dictionnaire");
      return {};
    default:
      return {};
  }
}

QVariant WorkshopModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= WorkshopColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return toQString(WorkshopColumnTitles[static_cast<size_t>(section)]);
}

WorkshopFilterModel::WorkshopFilterModel(WorkshopModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), rows(source) {
  setSourceModel(source);
  setSortRole(WorkshopModel::SortRole);
}

void WorkshopFilterModel::setFilter(const CandidateFilter& newFilter) {
  filter = newFilter;
  invalidateFilter();
}

const WorkshopRow& WorkshopFilterModel::row(int proxyRow) const {
  return rows->row(mapToSource(index(proxyRow, 0)).row());
}

std::vector<const WorkshopRow*> WorkshopFilterModel::shownRows() const {
  std::vector<const WorkshopRow*> shown;
  for (int r = 0; r < rowCount(); ++r) shown.push_back(&row(r));
  return shown;
}

bool WorkshopFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  return filter.accepts(rows->row(sourceRow).numbers);
}

}  // namespace tessaro
