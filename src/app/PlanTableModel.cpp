#include "app/PlanTableModel.h"

#include "region/LookAngles.h"
#include "region/RegionPlan.h"

#include <QBrush>
#include <QPalette>

#include <cmath>

namespace {

QString Degrees(double value, bool sign = false)
{
    const double rounded = std::round(value * 10.0) / 10.0 + 0.0;
    const QString text = QString::number(rounded, 'f', 1);
    return sign && rounded > 0 ? QLatin1Char('+') + text : text;
}

} // namespace

void PlanTableModel::SetPlan(RegionPlan *plan)
{
    beginResetModel();
    m_plan = plan;
    endResetModel();
    emit planChanged();
}

int PlanTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_plan ? 0 : m_plan->Count();
}

int PlanTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : COL_COUNT;
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case COL_KEEP: return tr("Keep");
    case COL_NAME: return tr("Name");
    case COL_POSITION: return tr("Position");
    case COL_ELEVATION: return tr("Elevation");
    case COL_AZIMUTH: return tr("Azimuth");
    case COL_SKEW: return tr("Skew");
    case COL_STORED: return tr("In the database");
    case COL_VISIBLE: return tr("Visible");
    case COL_TRANSPONDERS: return tr("Transponders kept");
    case COL_SHARE: return tr("Share");
    default: return {};
    }
}

QVariant PlanTableModel::data(const QModelIndex &index, int role) const
{
    if (!m_plan || !index.isValid() || index.row() >= m_plan->Count())
        return {};
    const RegionPlan::Row &r = m_plan->At(index.row());
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == COL_KEEP)
        return r.ticked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ForegroundRole && !r.visible)
        return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
    if (role == Qt::TextAlignmentRole && column >= COL_POSITION && column != COL_STORED && column != COL_VISIBLE)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole && column == COL_SHARE)
        return QString::number(r.share == RegionPlan::AUTO ? r.kept : r.share); // typed over, or emptied for auto
    if (role == Qt::ToolTipRole && column == COL_SHARE && r.Listed())
        return tr("How many of the list's %1 transponders the meter keeps for this satellite; "
                  "empty: as the plan shares them out.").arg(r.listed);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case COL_NAME: return r.name;
    case COL_POSITION: return LookAngles::PlaceName(r.position);
    case COL_ELEVATION: return Degrees(r.angles.elevation);
    case COL_AZIMUTH: return Degrees(std::round(r.angles.azimuth * 10.0) >= 3600.0 ? 0.0 : r.angles.azimuth);
    case COL_SKEW: return Degrees(r.angles.skew, true);
    case COL_STORED: return r.InDatabase() ? tr("yes") : tr("no");
    case COL_VISIBLE: return r.visible ? tr("yes") : tr("no");
    case COL_TRANSPONDERS:
        return tr("%1 of %2").arg(r.kept).arg(r.Listed() ? r.listed : r.stored);
    case COL_SHARE:
        if (!r.Listed())
            return QString();
        return r.share == RegionPlan::AUTO ? tr("auto") : QString::number(r.share);
    default: return {};
    }
}

Qt::ItemFlags PlanTableModel::flags(const QModelIndex &index) const
{
    if (!m_plan || !index.isValid())
        return Qt::NoItemFlags;
    const RegionPlan::Row &r = m_plan->At(index.row());
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A list satellite below the minimum elevation is never kept: nothing to tick.
    if (index.column() == COL_KEEP && (r.visible || r.InDatabase()))
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == COL_SHARE && r.Listed() && r.ticked)
        f |= Qt::ItemIsEditable;
    return f;
}

bool PlanTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_plan || !index.isValid())
        return false;
    const int row = index.row();
    if (index.column() == COL_KEEP && role == Qt::CheckStateRole) {
        if (!m_plan->SetTicked(row, value.toInt() == Qt::Checked))
            return false;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        PlanMoved();
        return true;
    }
    if (index.column() == COL_SHARE && role == Qt::EditRole) {
        bool number = false;
        const int share = value.toString().trimmed().toInt(&number);
        m_plan->SetShare(row, number && share >= 0 ? share : RegionPlan::AUTO);
        PlanMoved();
        return true;
    }
    return false;
}

void PlanTableModel::PlanMoved()
{
    // A tick or a share moves every other satellite's share: the kept and share columns of all
    // rows, in one notice; the view repaints only the rows in sight.
    emit dataChanged(index(0, COL_TRANSPONDERS), index(rowCount() - 1, COL_SHARE), {Qt::DisplayRole, Qt::EditRole});
    emit planChanged();
}
