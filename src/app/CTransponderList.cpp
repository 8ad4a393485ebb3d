#include "app/CTransponderList.h"

#include "document/TransponderConversions.h"
#include "document/TransponderOrder.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>

CTransponderList::CTransponderList(QWidget *parent) : CGridCtrl(parent)
{
    m_menu = new QMenu(this);
    m_menu->addAction(tr("Delete TP"), this, [this] { OnCommand(CMD_DELETE_TP); });
    m_menu->addAction(tr("ADD TP"), this, [this] { OnCommand(CMD_ADD_TP); });
}

CTransponderList::~CTransponderList() = default;

void CTransponderList::InsertTransponderColumns()
{
    if (GetColumnCount() != 0)
        return;
    InsertColumn(COL_INDEX, tr("Index"), LVCFMT_CENTER, 50);
    InsertColumn(COL_FREQUENCY, tr("Frequency"), LVCFMT_CENTER, 80);
    InsertColumn(COL_SYMBOL_RATE, tr("Sym.Rate"), LVCFMT_CENTER, 60);
    InsertColumn(COL_POLAR, tr("Polar"), LVCFMT_CENTER, 60);
}

int CTransponderList::AddRow(const QString &frequency, const QString &symbolRate,
                             const QString &polar, Key key)
{
    const int row = InsertItem(GetItemCount(), IndexText(GetItemCount() + 1));
    m_keys.insert(m_keys.begin() + row, key);
    SetItemText(row, COL_FREQUENCY, frequency);
    SetItemText(row, COL_SYMBOL_RATE, symbolRate);
    SetItemText(row, COL_POLAR, polar);
    return row;
}

void CTransponderList::RemoveRow(int row)
{
    if (DeleteItem(row))
        m_keys.erase(m_keys.begin() + row);
}

void CTransponderList::ShowRows(const std::vector<TransponderRow> &rows)
{
    DeleteAllItems();
    m_keys.clear();
    for (const TransponderRow &r : rows) {
        AddRow(QString::number(r.frequency), QString::number(r.symbolRate),
               TransponderConversions::PolarText(r.polar), {r.record, r.marked});
    }
    MarkClean();
}

TransponderRow CTransponderList::Row(int row) const
{
    TransponderRow r;
    if (row >= 0 && size_t(row) < m_keys.size()) {
        r.record = m_keys[size_t(row)].record;
        r.marked = m_keys[size_t(row)].marked;
    }
    r.frequency = TransponderConversions::CellNumber(GetItemText(row, COL_FREQUENCY));
    r.symbolRate = TransponderConversions::CellNumber(GetItemText(row, COL_SYMBOL_RATE));
    r.polar = TransponderConversions::PolarFromText(GetItemText(row, COL_POLAR));
    return r;
}

std::vector<TransponderRow> CTransponderList::Rows() const
{
    std::vector<TransponderRow> rows;
    rows.reserve(size_t(GetItemCount()));
    for (int row = 0; row < GetItemCount(); ++row)
        rows.push_back(Row(row));
    return rows;
}

bool CTransponderList::IsMarked(int row) const
{
    return row >= 0 && size_t(row) < m_keys.size() && m_keys[size_t(row)].marked;
}

void CTransponderList::Applied(const std::vector<TransponderRow> &rows)
{
    for (size_t i = 0; i < rows.size() && i < m_keys.size(); ++i) {
        if (!rows[i].marked)
            m_keys[i].record = rows[i].record;
    }
    for (int row = GetItemCount() - 1; row >= 0; --row) {
        if (IsMarked(row))
            RemoveRow(row);
    }
    MarkClean();
}

void CTransponderList::OnCommand(int id)
{
    if (id == CMD_DELETE_TP)
        ToggleSelectedMarks();
    else if (id == CMD_ADD_TP)
        AppendNewRow();
}

void CTransponderList::MarkRow(int row)
{
    if (row < 0 || size_t(row) >= m_keys.size())
        return;
    Change(tr("Delete TP"), [&] {
        m_keys[size_t(row)].marked = true;
        RedrawRow(row, true);
    });
}

void CTransponderList::MarkRows(const std::vector<int> &rows, const QString &name)
{
    Change(name, [&] {
        for (int row : rows) {
            if (row >= 0 && size_t(row) < m_keys.size()) {
                m_keys[size_t(row)].marked = true;
                RedrawRow(row, true);
            }
        }
    });
}

void CTransponderList::SetTintedRows(const std::vector<int> &rows)
{
    m_tinted.assign(m_keys.size(), false);
    for (int row : rows) {
        if (row >= 0 && size_t(row) < m_tinted.size())
            m_tinted[size_t(row)] = true;
    }
    viewport()->update();
}

bool CTransponderList::IsTinted(int row) const
{
    return row >= 0 && size_t(row) < m_tinted.size() && m_tinted[size_t(row)];
}

void CTransponderList::ToggleSelectedMarks()
{
    Change(tr("Delete TP"), [&] {
        for (int row : GetSelectedRows()) {
            if (size_t(row) >= m_keys.size())
                continue;
            m_keys[size_t(row)].marked = !m_keys[size_t(row)].marked;
            RedrawRow(row, true);
        }
    });
}

void CTransponderList::AppendNewRow()
{
    if (GetColumnCount() < 4)
        return;
    Change(tr("Add TP"), [&] {
        AddRow(QString::number(2000), QString::number(27500), QStringLiteral("Hori"), Key{});
    });
}

bool CTransponderList::SortAscending(int column) const
{
    return column == COL_FREQUENCY ? m_sortFrequency : m_sortSymbolRate;
}

void CTransponderList::SortByColumn(int column)
{
    if (column != COL_FREQUENCY && column != COL_SYMBOL_RATE)
        return;
    const int n = GetItemCount();
    std::vector<TransponderSortKey> sortKeys;
    std::vector<Key> keys; // a deletion mark travels with its row
    sortKeys.reserve(size_t(n));
    keys.reserve(size_t(n));
    for (int row = 0; row < n; ++row) {
        const TransponderRow r = Row(row);
        sortKeys.push_back({r.frequency, r.symbolRate,
                            GetItemText(row, COL_POLAR).left(TransponderConversions::POLAR_CHARS).toLatin1()});
        keys.push_back({r.record, r.marked});
    }
    bool &flag = column == COL_FREQUENCY ? m_sortFrequency : m_sortSymbolRate;
    flag = !flag;
    const std::vector<size_t> order = TransponderOrder(sortKeys, column == COL_FREQUENCY, flag);

    // Rewritten in place: the selection and focus stay on their positions, and the Index
    // column keeps numbering the rows from the top.
    Change(tr("Sort"), [&] {
        for (int row = 0; row < n; ++row) {
            const size_t from = order[size_t(row)];
            SetItemText(row, COL_POLAR, QString::fromLatin1(sortKeys[from].polar));
            SetItemText(row, COL_SYMBOL_RATE, QString::number(sortKeys[from].symbolRate));
            SetItemText(row, COL_FREQUENCY, QString::number(sortKeys[from].frequency));
            m_keys[size_t(row)] = keys[from];
        }
    });
    viewport()->update();
}

CTransponderList::Snapshot CTransponderList::Take() const
{
    Snapshot s{{}, m_keys};
    const int n = GetItemCount();
    for (int row = 0; row < n; ++row) {
        for (int c = COL_INDEX; c <= COL_POLAR; ++c)
            s.cells << GetItemText(row, c);
    }
    return s;
}

void CTransponderList::Restore(const Snapshot &snapshot)
{
    const int n = int(snapshot.keys.size());
    while (GetItemCount() > n)
        RemoveRow(GetItemCount() - 1);
    while (GetItemCount() < n)
        AddRow({}, {}, {}, Key{});
    for (int row = 0; row < n; ++row) {
        for (int c = COL_INDEX; c <= COL_POLAR; ++c)
            SetItemText(row, c, snapshot.cells.value(row * 4 + c));
    }
    m_keys = snapshot.keys;
    viewport()->update();
}

template <typename F> void CTransponderList::Change(const QString &name, F change)
{
    if (m_changing > 0) { // an edit ending inside another step is part of it
        change();
        return;
    }
    ++m_changing;
    Snapshot before = Take();
    change();
    --m_changing;
    if (Take().SameRows(before))
        return;
    m_steps.Record(name, std::move(before));
    emit pendingChanged();
}

bool CTransponderList::Undo()
{
    return Step(true);
}

bool CTransponderList::Redo()
{
    return Step(false);
}

bool CTransponderList::Step(bool back)
{
    if (!EndEdit())
        return false;
    const std::optional<Snapshot> to = m_steps.Step(back, Take());
    if (!to)
        return false;
    Restore(*to);
    emit pendingChanged();
    return true;
}

bool CTransponderList::IsModified() const
{
    return !Take().SameRows(m_clean);
}

void CTransponderList::MarkClean()
{
    m_clean = Take();
    m_steps.Clear();
    emit pendingChanged();
}

CellKind CTransponderList::GetCellKind(int, int column)
{
    switch (column) {
    case COL_FREQUENCY:
    case COL_SYMBOL_RATE:
        return CELL_EDIT;
    case COL_POLAR:
        return CELL_DROPLIST;
    default:
        return CELL_TEXT;
    }
}

bool CTransponderList::GetCellStyle(int row, int, QColor &, QColor &background, quint8 &style)
{
    if (IsTinted(row)) // amber, mixed into the background so that a selected row still shows
        background = QColor((background.red() + 255) / 2, (background.green() + 200) / 2,
                            (background.blue() + 80) / 2);
    if (!IsMarked(row))
        return IsTinted(row);
    style = FONT_BOLD | FONT_STRIKEOUT;
    return true;
}

bool CTransponderList::CreateCellEdit(int row, int column, const QRect &rect)
{
    if (!CGridCtrl::CreateCellEdit(row, column, rect))
        return false;
    if (QLineEdit *line = GetEditorLine()) {
        // Digits only, as typed or pasted; the cell may still be emptied.
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        line->setValidator(new QRegularExpressionValidator(digits, line));
    }
    return true;
}

bool CTransponderList::OnEndCellEdit(int row, int column, bool cancelled, const QString &text,
                                     int image)
{
    bool accepted = true;
    Change(tr("Edit TP"),
           [&] { accepted = CGridCtrl::OnEndCellEdit(row, column, cancelled, text, image); });
    return accepted;
}

void CTransponderList::OnCellRClick(int, int, const QRect &, const QPoint &point)
{
    m_menu->popup(viewport()->mapToGlobal(point));
}

void CTransponderList::OnColumnClick(int column)
{
    SortByColumn(column);
}

void CTransponderList::OnKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete)
        ToggleSelectedMarks();
    CGridCtrl::OnKeyDown(event);
}
