// soak_editor: the offline editor of the main window driven by random clicks and keys, as a hand
// would: cells, second clicks, double clicks, headers, F2, typing, Escape, Enter, Delete, Add TP,
// Delete TP, other satellites and Apply, with editors left open at any moment. After every step
// the rows must be what that step makes of them (an edit lands on the row it was opened on, and
// only there); with no editor open the focus cell sits on the selected row; a double click on an
// editable cell leaves its editor open. After every Apply the file must pass the structure check
// and hold exactly the rows the grid showed. Episodes of --episode steps run on fresh windows,
// seeded --seed, --seed + 1, ...; the first fault of each kind is printed with the steps that
// led to it and the options that replay them. At the end no descriptor or thread may be left over.
#include "Soak.h"

#include "EditorFixture.h"
#include "GridScript.h"

#include "app/CTransponderList.h"
#include "database/DatabaseChecker.h"
#include "document/TransponderConversions.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QtTest>

#include <map>
#include <optional>

namespace {

enum class Act { Click, SecondClick, DoubleClick, Key, Type, Header, Apply, AddTp, DeleteTp, Satellite };

// What a step does; a and b are drawn once and mapped onto the window as it is when the step
// runs, so that any subset of a plan can be replayed.
struct Step { Act act; int a, b; };

const Qt::Key kKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                         Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_F2, Qt::Key_Space, Qt::Key_Delete,
                         Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab};

std::vector<Step> Plan(uint32_t seed, int steps)
{
    static const int weights[] = {20, 8, 4, 30, 8, 5, 5, 2, 4, 3}; // in the order of Act
    soak::Dice dice{std::mt19937(seed)};
    std::vector<Step> plan;
    for (int i = 0, act = 0; i < steps; ++i, act = 0) {
        for (int w = dice(0, 88); w >= weights[act]; w -= weights[act++]) {}
        plan.push_back({Act(act), dice(0, 999), dice(0, 999)});
    }
    return plan;
}

// A row as the grid shows it: the record it stands for, its mark and its cells.
struct Row {
    int record; bool marked; QString f, s, p;
    auto Tie() const { return std::tie(record, marked, f, s, p); }
    bool operator==(const Row &o) const { return Tie() == o.Tie(); }
    bool operator<(const Row &o) const { return Tie() < o.Tie(); }
    QString Text() const { return QStringLiteral("[%1%2 %3 %4 %5]").arg(record).arg(marked ? "x" : "").arg(f, s, p); }
};
using Rows = std::vector<Row>;

// One window with a sample database; Do() runs a step, logs it and returns the fault ("" for none).
class Soak
{
public:
    explicit Soak(uint32_t seed) : m_path(m_f.OpenSample(QStringLiteral("soak.bin"), seed)), m_list(m_f.dlg->Editor().TpList()) { Settle(); }
    QString Do(const Step &step, QStringList &log);

private:
    Rows GridRows() const
    {
        Rows rows;
        for (int r = 0; r < m_list->GetItemCount(); ++r)
            rows.push_back({m_list->Row(r).record, m_list->Row(r).marked, m_list->GetItemText(r, 1),
                            m_list->GetItemText(r, 2), m_list->GetItemText(r, 3)});
        return rows;
    }

    Rows DatabaseRows(int slot) const
    {
        Rows rows;
        for (const TransponderRow &r : m_f.dlg->Document().TransponderRows(slot))
            rows.push_back({r.record, false, QString::number(r.frequency), QString::number(r.symbolRate), TransponderConversions::PolarText(r.polar)});
        return rows;
    }

    // What the open editor would store if it ended now and kept its result.
    std::optional<QString> Pending(bool enter) const
    {
        if (const QLineEdit *line = m_list->GetEditorLine())
            return line->text();
        const QComboBox *combo = m_list->GetEditorCombo();
        int index = combo ? combo->currentIndex() : -1;
        // Enter in the open list takes the entry under the cursor.
        if (combo && enter && combo->view()->isVisible() && combo->view()->currentIndex().isValid())
            index = combo->view()->currentIndex().row();
        return index >= 0 ? std::optional(combo->itemText(index)) : std::nullopt;
    }

    void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents(), QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A closed drop-down list gives the activation back to the window on a desktop; the
        // offscreen platform leaves no window active, so do what the window manager would.
        if (!QApplication::activePopupWidget() && QApplication::activeWindow() != m_f.dlg.get()) {
            m_f.dlg->activateWindow();
            if (!QTest::qWaitForWindowActive(m_f.dlg.get()))
                qFatal("the window never became active");
        }
    }

    QString Check(const QString &what, bool ended, bool sorted, Rows expected);
    QString CheckApply(int slot, Rows &shown);

    EditorFixture m_f;
    QString m_path;
    CTransponderList *m_list;
    // The open editor as last seen, the row it was opened on and that row's contents then.
    QPointer<QWidget> m_editor;
    int m_editPos = -1;
    Row m_editTarget{};
};

QString Soak::Do(const Step &step, QStringList &log)
{
    // A pause between steps: every step starts a new type-ahead search, whatever the timing.
    m_list->OnTimer(CGridCtrl::TYPEAHEAD_TIMER);
    const Rows before = GridRows();
    const int n = int(before.size()), focus = m_list->GetFocusRow(), sats = m_f.dlg->Editor().SatList()->count();
    const int satRow = m_f.dlg->Editor().SatList()->currentRow(), slot = satRow < 0 ? -1 : m_f.Slot(satRow);
    const bool editing = m_list->IsEditing();
    Rows expected = before;
    bool ends = true;     // the step ends an open edit, keeping what it holds
    bool enter = false;   // the step is Enter: a list-only editor takes the entry under the cursor
    bool sorted = false;  // the rows may come back in another order
    QPoint opens(-1, -1); // (column, row) of the editor the step must leave open
    QString what; // the step as a script token (GridScript.h, EditorFixture::Play)
    auto skip = [&log](const char *why) { return log << QLatin1String(why), QString(); };
    switch (step.act) {
    case Act::Click: case Act::DoubleClick: case Act::SecondClick: {
        const bool second = step.act == Act::SecondClick, twice = step.act == Act::DoubleClick;
        if (n == 0 || (second && (focus < 0 || focus >= n)))
            return skip("(no cell to click)");
        const int row = second ? focus : step.a % n, column = second ? m_list->GetFocusColumn() : step.b % 4;
        // A double click on an editable cell that is not yet the focus cell opens its editor.
        // (On the focus cell the first click opens it; the clicks go to the viewport, not to
        // the editor over the cell as a real pointer's would, so that case is left out.)
        if (twice && column > 0 && !editing
            && !(row == focus && column == m_list->GetFocusColumn() && m_list->IsRowSelected(row)))
            opens = QPoint(column, row);
        what = QStringLiteral("%1:%2,%3").arg(twice ? "dbl" : "click").arg(row).arg(column);
        break;
    }
    case Act::Key: case Act::Type: {
        ends = false;
        const QWidget *fw = QApplication::focusWidget();
        if (!QApplication::activePopupWidget() && !(fw && (fw == m_list || m_list->isAncestorOf(fw)))) {
            // Tab on the way back to the grid; other keys would work a button
            what = QStringLiteral("tab-back (focus on %1)").arg(fw ? fw->objectName() : QStringLiteral("nothing"));
        } else if (step.act == Act::Type) {
            what = QStringLiteral("type:") + QString::number(step.a).left(1 + step.b % 4);
        } else {
            const Qt::Key key = kKeys[size_t(step.a) % std::size(kKeys)];
            // Enter and Escape outside an editor belong to the window: they close it.
            if (!editing && (key == Qt::Key_Return || key == Qt::Key_Escape))
                return skip("(Enter/Escape skipped: no editor)");
            what = QKeySequence(key).toString();
            enter = key == Qt::Key_Return;
            // Tab takes the focus out of the grid, unless an open drop-down list keeps it.
            ends = enter || (key == Qt::Key_Tab && !QApplication::activePopupWidget());
            if (!editing && key == Qt::Key_Delete)
                for (int r : m_list->GetSelectedRows())
                    expected[size_t(r)].marked = !before[size_t(r)].marked;
        }
        break;
    }
    case Act::Header:
        what = QStringLiteral("header:%1").arg(step.a % 4);
        sorted = step.a % 4 == 1 || step.a % 4 == 2;
        break;
    case Act::Apply: case Act::AddTp: case Act::DeleteTp: {
        const bool add = step.act == Act::AddTp, del = step.act == Act::DeleteTp;
        what = QStringLiteral("button:") + (add ? "addTpButton" : del ? "deleteTpButton" : step.a % 2 ? "applyTpButton" : "applySatButton");
        break;
    }
    case Act::Satellite:
        if (sats == 0)
            return skip("(no satellite)");
        what = QStringLiteral("sat:%1").arg(step.a % sats);
        break;
    }
    log << what + (QApplication::activePopupWidget() && step.act != Act::Key && step.act != Act::Type ? " (drop-down list open)" : "");
    // The rows the step must leave: an edit it ends lands first, on the row it was opened on ...
    if (const std::optional<QString> value = editing && ends ? Pending(enter) : std::nullopt) {
        Row &r = expected[size_t(m_editPos)];
        (m_list->GetEditColumn() == 1 ? r.f : m_list->GetEditColumn() == 2 ? r.s : r.p) = *value;
    }
    // ... then the step's own work.
    if (step.act == Act::DeleteTp && slot >= 0 && m_list->GetFocusedItem() >= 0)
        expected[size_t(m_list->GetFocusedItem())].marked = true;
    if (step.act == Act::AddTp && slot >= 0) {
        expected = DatabaseRows(slot);
        expected.push_back({TransponderRow::NEW, false, QStringLiteral("2000"), QStringLiteral("27500"), QStringLiteral("Hori")});
    }
    if (step.act == Act::Satellite && step.a % sats != satRow)
        expected = DatabaseRows(m_f.Slot(step.a % sats));
    for (Row &r : expected)
        if (sorted)
            std::tie(r.f, r.s) = std::make_pair(QString::number(TransponderConversions::CellNumber(r.f)), QString::number(TransponderConversions::CellNumber(r.s)));
    const int messages = m_f.prompts.MessageCount();
    m_f.Play({what}, [](const QString &token) { // Tab, from wherever the focus is
        return token.startsWith(QLatin1String("tab-back")) && (QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab), true);
    });
    Settle();
    if (!m_f.dlg->isVisible())
        return QStringLiteral("window: closed by %1").arg(what);
    if (m_f.prompts.MessageCount() != messages)
        return QStringLiteral("message: ") + m_f.prompts.MessageTexts().last();
    if (QString fault = step.act == Act::Apply && slot >= 0 ? CheckApply(slot, expected) : QString(); !fault.isEmpty())
        return fault;
    if (QString fault = Check(what, editing && ends, sorted, expected); !fault.isEmpty())
        return fault;
    if (opens.x() > 0 && (!m_list->IsEditing() || QPoint(m_list->GetEditColumn(), m_list->GetEditRow()) != opens))
        return QStringLiteral("double-click: no editor open on cell %1,%2 after it").arg(opens.y()).arg(opens.x());
    return {};
}

QString Soak::CheckApply(int slot, Rows &shown)
{
    auto file = m_f.LoadFile(m_path);
    if (!file)
        return QStringLiteral("apply: the saved file does not load");
    if (const QStringList problems = DatabaseChecker::Check(*file, 3); !problems.isEmpty())
        return QStringLiteral("apply: the saved file is damaged: ") + problems.join(QLatin1String("; "));
    const std::vector<int> chain = file->TransponderChain(slot).indices;
    Rows kept;
    std::copy_if(shown.begin(), shown.end(), std::back_inserter(kept), [](const Row &r) { return !r.marked; });
    if (chain.size() != kept.size())
        return QStringLiteral("apply: %1 transponders stored for %2 rows shown").arg(chain.size()).arg(kept.size());
    auto clamp = [](const QString &cell, quint32 lo, quint32 hi) { return qBound(lo, quint32(TransponderConversions::CellNumber(cell)), hi) * 1000; };
    for (size_t i = 0; i < kept.size(); ++i) {
        const TransponderRecord &rec = *file->TransponderAt(chain[i]);
        Row &r = kept[i];
        const QString polar = r.p.left(4);
        if (rec.Frequency() != clamp(r.f, 2000, 15000) || rec.SymbolRate() != clamp(r.s, 2000, 45000)
            || rec.Polarisation() != (polar == QLatin1String("Hori") ? 1 : polar == QLatin1String("Vert") ? 0 : 2)
            || (r.record != TransponderRow::NEW && r.record != chain[i]))
            return QStringLiteral("apply: transponder %1 stored as %2 MHz %3 kS/s polar %4 for row %5 %6")
                .arg(chain[i]).arg(rec.Frequency() / 1000).arg(rec.SymbolRate() / 1000)
                .arg(rec.Polarisation()).arg(i).arg(r.Text());
        r.record = chain[i];
    }
    shown = kept; // the list keeps the rows it stored, new rows standing for their records
    return {};
}

QString Soak::Check(const QString &what, bool ended, bool sorted, Rows expected)
{
    const Rows shown = GridRows();
    Rows seen = shown;
    if (sorted)
        std::sort(seen.begin(), seen.end()), std::sort(expected.begin(), expected.end());
    if (seen != expected) { // name the first row that differs
        const size_t i = size_t(std::mismatch(seen.begin(), seen.end(), expected.begin(), expected.end()).first - seen.begin());
        auto at = [i](const Rows &rows) { return i < rows.size() ? rows[i].Text() : QStringLiteral("none"); };
        return QStringLiteral("rows after %1: row %2 expected %3, seen %4 (%5 rows, %6 expected)")
            .arg(what).arg(i).arg(at(expected), at(seen)).arg(seen.size()).arg(expected.size());
    }
    QWidget *editor = m_list->GetEditor();
    if (ended && editor && editor == m_editor)
        return QStringLiteral("edit: still open on row %1 after %2").arg(m_list->GetEditRow()).arg(what);
    const QVector<int> selected = m_list->GetSelectedRows();
    if (editor && editor != m_editor) {
        std::tie(m_editor, m_editPos, m_editTarget) = std::make_tuple(editor, m_list->GetEditRow(), shown[size_t(m_list->GetEditRow())]);
        if (selected != QVector<int>{m_editPos})
            return QStringLiteral("focus: editor opened on row %1 while the grid has %2").arg(m_editPos).arg(State(*m_list));
    } else if (editor) {
        if (m_list->GetEditRow() != m_editPos || !(shown[size_t(m_editPos)] == m_editTarget))
            return QStringLiteral("edit: the editor opened on %1 at row %2 now edits row %3 holding %4")
                .arg(m_editTarget.Text()).arg(m_editPos).arg(m_list->GetEditRow())
                .arg(shown[size_t(m_list->GetEditRow())].Text());
    } else {
        m_editor = nullptr;
        const int focus = m_list->GetFocusRow();
        if (!selected.isEmpty() && (selected != QVector<int>{focus} || m_list->GetFocusedItem() != focus))
            return QStringLiteral("focus: current row %1 while the grid has %2").arg(m_list->GetFocusedItem()).arg(State(*m_list));
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    soak::Prepare();
    QApplication app(argc, argv);
    const int steps = int(soak::Option(argc, argv, "steps", 5000)), episode = int(soak::Option(argc, argv, "episode", 250));
    const auto first = uint32_t(soak::Option(argc, argv, "seed", 1));
    const int64_t start = soak::NowMs();
    std::map<QString, int> faults; // by kind: faults of one kind read alike up to their first number
    soak::Baseline baseline;
    int done = 0;
    for (uint32_t seed = first; done < steps; ++seed) {
        QStringList log;
        const QString fault = [&] { // one episode on a fresh window, up to its first fault
            Soak soak(seed);
            for (const Step &step : Plan(seed, std::min(episode, steps - done)))
                if (QString f = soak.Do(step, log); !f.isEmpty())
                    return f;
            return QString();
        }();
        done += int(log.size());
        if (seed == first)
            baseline.Take(); // once a window has come and gone
        if (!fault.isEmpty() && faults[fault.left(fault.indexOf(QRegularExpression(QStringLiteral("[0-9]")))).trimmed()]++ == 0)
            std::printf("seed %u: %s\n  after %d steps (replay: --seed %u --steps %d --episode %d):\n    %s\n", seed,
                        qPrintable(fault), int(log.size()), seed, int(log.size()), int(log.size()),
                        qPrintable(log.join(QLatin1String("\n    "))));
    }
    if (const QString left = baseline.Leftovers(); !left.isEmpty())
        faults[QStringLiteral("leftovers: ") + left]++;
    int count = 0;
    for (const auto &[kind, times] : faults)
        count += (std::printf("fault: %s (%d times)\n", qPrintable(kind), times), times);
    return soak::Summary("steps", done, first, start, count);
}
