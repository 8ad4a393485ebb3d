#pragma once

#include <QAbstractTableModel>

class RegionPlan;

// The satellites of a region plan as the plan dialog's table shows them: a tick per row (kept
// or not) and an editable share of the list's transponders. A change asks the plan and tells the
// view which cells moved (dataChanged), so that a table of hundreds of rows follows a tick at
// once; nothing is rebuilt.
class PlanTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        COL_KEEP, COL_NAME, COL_POSITION, COL_ELEVATION, COL_AZIMUTH, COL_SKEW, COL_STORED, COL_VISIBLE,
        COL_TRANSPONDERS, COL_SHARE, COL_COUNT
    };

    explicit PlanTableModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    // The plan shown, or none; the model does not own it and is reset with it.
    void SetPlan(RegionPlan *plan);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A tick (CheckStateRole on COL_KEEP) or a share (EditRole on COL_SHARE: a number, or a
    // negative one or empty text for the plan's own); false when the plan refuses it.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // The plan's ticks or shares changed: its totals may have moved.
    void planChanged();

private:
    void PlanMoved();

    RegionPlan *m_plan = nullptr;
};
