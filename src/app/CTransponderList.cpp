#include "app/CTransponderList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstring>

namespace {

struct SortRecord {
    int frequency;
    int symbolRate;
    QByteArray polar;   // at most 4 bytes, compared byte by byte
    quint32 data;       // the whole item data: a deletion mark travels with its row
};

int ComparePolar(const QByteArray &a, const QByteArray &b)
{
    const int n = int(std::min(a.size(), b.size()));
    const int c = std::memcmp(a.constData(), b.constData(), size_t(n));
    if (c != 0)
        return c;
    return int(a.size()) - int(b.size());
}

} // namespace

CTransponderList::CTransponderList(QWidget *parent) : CGridCtrl(parent)
{
    m_menu = new QMenu(this);
    m_menu->addAction(QStringLiteral("Delete TP"), this, [this] { OnCommand(CMD_DELETE_TP); });
    m_menu->addAction(QStringLiteral("ADD TP"), this, [this] { OnCommand(CMD_ADD_TP); });
}

CTransponderList::~CTransponderList() = default;

int CTransponderList::CellNumber(const QString &text, int maxChars)
{
    const QString head = text.left(maxChars);
    int i = 0;
    const int n = int(head.size());
    auto isBlank = [](QChar c) {
        return c == QLatin1Char(' ') || (c.unicode() >= 9 && c.unicode() <= 13);
    };
    while (i < n && isBlank(head[i]))
        ++i;
    bool negative = false;
    if (i < n && (head[i] == QLatin1Char('+') || head[i] == QLatin1Char('-'))) {
        negative = head[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0; // maxChars is small; the bound only guards a careless caller
    while (i < n && head[i] >= QLatin1Char('0') && head[i] <= QLatin1Char('9')) {
        if (value < 1000000000LL)
            value = value * 10 + (head[i].unicode() - '0');
        ++i;
    }
    value = std::min(value, 2147483647LL);
    return int(negative ? -value : value);
}

void CTransponderList::InsertTransponderColumns()
{
    if (GetColumnCount() != 0)
        return;
    InsertColumn(COL_INDEX, QStringLiteral("Index"), LVCFMT_CENTER, 50);
    InsertColumn(COL_FREQUENCY, QStringLiteral("Frequency"), LVCFMT_CENTER, 80);
    InsertColumn(COL_SYMBOL_RATE, QStringLiteral("Sym.Rate"), LVCFMT_CENTER, 60);
    InsertColumn(COL_POLAR, QStringLiteral("Polar"), LVCFMT_CENTER, 60);
}

void CTransponderList::OnCommand(int id)
{
    if (id == CMD_DELETE_TP)
        ToggleSelectedMarks();
    else if (id == CMD_ADD_TP)
        AppendNewRow();
}

void CTransponderList::ToggleSelectedMarks()
{
    for (int row : GetSelectedRows()) {
        const quint32 data = GetItemData(row);
        SetItemData(row, IsMarked(data) ? (data & 0xFFFFu) : (data | DELETED_ROW_MASK));
        RedrawRow(row, true);
    }
}

void CTransponderList::AppendNewRow()
{
    if (GetColumnCount() < 4)
        return;
    const int row = InsertItem(GetItemCount(), IndexText(GetItemCount() + 1));
    SetItemText(row, COL_FREQUENCY, QString::number(2000));
    SetItemText(row, COL_SYMBOL_RATE, QString::number(27500));
    SetItemText(row, COL_POLAR, QStringLiteral("Hori"));
    SetItemData(row, NEW_ROW);
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
    std::vector<SortRecord> records;
    records.reserve(size_t(n));
    for (int row = 0; row < n; ++row) {
        records.push_back({CellNumber(GetItemText(row, COL_FREQUENCY), 6),
                           CellNumber(GetItemText(row, COL_SYMBOL_RATE), 6),
                           GetItemText(row, COL_POLAR).left(4).toLatin1(), GetItemData(row)});
    }

    bool &flag = column == COL_FREQUENCY ? m_sortFrequency : m_sortSymbolRate;
    flag = !flag;
    const bool ascending = flag;
    const bool byFrequency = column == COL_FREQUENCY;
    auto less = [&](const SortRecord &a, const SortRecord &b) {
        const int aFirst = byFrequency ? a.frequency : a.symbolRate;
        const int bFirst = byFrequency ? b.frequency : b.symbolRate;
        const int aSecond = byFrequency ? a.symbolRate : a.frequency;
        const int bSecond = byFrequency ? b.symbolRate : b.frequency;
        int c = aFirst < bFirst ? -1 : aFirst > bFirst ? 1 : 0;
        if (c == 0)
            c = aSecond < bSecond ? -1 : aSecond > bSecond ? 1 : 0;
        if (c == 0)
            c = ComparePolar(a.polar, b.polar);
        return ascending ? c < 0 : c > 0;
    };
    std::stable_sort(records.begin(), records.end(), less);

    // Rewritten in place: the selection and focus stay on their positions, and the Index
    // column keeps numbering the rows from the top.
    for (int row = 0; row < n; ++row) {
        const SortRecord &r = records[size_t(row)];
        SetItemText(row, COL_POLAR, QString::fromLatin1(r.polar));
        SetItemText(row, COL_SYMBOL_RATE, QString::number(r.symbolRate));
        SetItemText(row, COL_FREQUENCY, QString::number(r.frequency));
        SetItemData(row, r.data);
    }
    viewport()->update();
}

QStringList CTransponderList::RowsState() const
{
    QStringList state;
    const int n = GetItemCount();
    for (int row = 0; row < n; ++row) {
        state << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(GetItemText(row, COL_FREQUENCY), GetItemText(row, COL_SYMBOL_RATE),
                          GetItemText(row, COL_POLAR))
                     .arg(GetItemData(row));
    }
    return state;
}

bool CTransponderList::IsModified() const
{
    return RowsState() != m_cleanRows;
}

void CTransponderList::MarkClean()
{
    m_cleanRows = RowsState();
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

bool CTransponderList::GetCellStyle(int row, int, QColor &, QColor &, quint8 &style)
{
    if (!IsMarked(GetItemData(row)))
        return false;
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
