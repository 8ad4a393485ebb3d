// soak_editor: the offline editor of the main window driven by random mouse clicks and keys, as a
// hand would: cells, second clicks, double clicks, headers, F2, typing, Escape, Enter, Delete,
// Add TP, Delete TP, other satellites and Apply, with editors left open at any moment. After
// every step the rows must be what that step makes of them (an edit lands on the row it was
// opened on, and only there), and with no editor open the focus cell must sit on the selected
// row. After every Apply the file must pass the structure check and hold exactly the rows the
// grid showed.
// Episodes of --episode steps run on fresh windows, seeded --seed, --seed + 1, ...; the first
// fault of each kind is cut down to the fewest steps that still show it and printed with them.
//   soak_editor [--steps N] [--seed S] [--episode N]
#include "EditorFixture.h"

#include "app/CTransponderList.h"
#include "database/DatabaseChecker.h"
#include "document/TransponderConversions.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <random>

namespace {

enum class Act { Click, SecondClick, DoubleClick, Key, Type, Header, Apply, AddTp, DeleteTp, Satellite };

// What a step does; a and b are drawn once and mapped onto the window as it is when the step
// runs, so that any subset of a plan can be replayed.
struct Step {
    Act act;
    int a;
    int b;
};

const Qt::Key kKeys[] = {Qt::Key_Up,   Qt::Key_Down,     Qt::Key_Left,   Qt::Key_Right,
                         Qt::Key_Home, Qt::Key_End,      Qt::Key_PageUp, Qt::Key_PageDown,
                         Qt::Key_F2,   Qt::Key_Space,    Qt::Key_Delete, Qt::Key_Backspace,
                         Qt::Key_Escape, Qt::Key_Return, Qt::Key_Return, Qt::Key_Escape,
                         Qt::Key_Tab};

std::vector<Step> Plan(quint32 seed, int steps)
{
    // Weights of the acts, in the order of Act.
    static const int weights[] = {20, 8, 4, 30, 8, 5, 5, 2, 4, 3};
    std::mt19937 rng(seed);
    std::discrete_distribution<int> pick(std::begin(weights), std::end(weights));
    std::vector<Step> plan;
    for (int i = 0; i < steps; ++i)
        plan.push_back({Act(pick(rng)), int(rng() % 1000), int(rng() % 1000)});
    return plan;
}

using TC = TransponderConversions;

// A row as the grid shows it: the record it stands for, its mark and its cells.
struct Row {
    int record;
    bool marked;
    QString f, s, p;
    bool operator==(const Row &o) const
    {
        return record == o.record && marked == o.marked && f == o.f && s == o.s && p == o.p;
    }
    bool operator<(const Row &o) const
    {
        return std::tie(record, marked, f, s, p) < std::tie(o.record, o.marked, o.f, o.s, o.p);
    }
    QString Text() const
    {
        return QStringLiteral("[%1%2 %3 %4 %5]").arg(record).arg(marked ? "x" : "").arg(f, s, p);
    }
};
using Rows = std::vector<Row>;

QString Text(const Rows &rows)
{
    QStringList out;
    for (const Row &r : rows)
        out << r.Text();
    return out.join(QLatin1Char(' '));
}

// One window with a sample database, driven step by step. Run() stops at the first fault.
class Soak
{
public:
    explicit Soak(quint32 seed) : m_list(nullptr)
    {
        m_path = m_f.OpenSample(QStringLiteral("soak.bin"), seed);
        m_list = m_f.dlg->TpList();
        m_f.dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(m_f.dlg.get()))
            qFatal("the window never became active");
    }

    // The fault found ("" for none); log gets one line per step done.
    QString Run(const std::vector<Step> &plan, QStringList &log)
    {
        for (const Step &step : plan) {
            const QString fault = Do(step, log);
            if (!fault.isEmpty())
                return fault;
        }
        return {};
    }

private:
    Rows GridRows() const
    {
        Rows rows;
        for (int r = 0; r < m_list->GetItemCount(); ++r) {
            const TransponderRow row = m_list->Row(r);
            rows.push_back({row.record, row.marked, m_list->GetItemText(r, 1),
                            m_list->GetItemText(r, 2), m_list->GetItemText(r, 3)});
        }
        return rows;
    }

    Rows DatabaseRows(int slot) const
    {
        Rows rows;
        for (const TransponderRow &r : m_f.dlg->Document().TransponderRows(slot))
            rows.push_back({r.record, false, QString::number(r.frequency),
                            QString::number(r.symbolRate), TC::PolarText(r.polar)});
        return rows;
    }

    int SelectedSlot() const
    {
        const int row = m_f.dlg->SatList()->currentRow();
        return row < 0 ? -1 : m_f.Slot(row);
    }

    // What the open editor would store if it ended now and kept its result.
    std::optional<QString> Pending(bool enter) const
    {
        if (const QLineEdit *line = m_list->GetEditorLine())
            return line->text();
        if (const QComboBox *combo = m_list->GetEditorCombo()) {
            int index = combo->currentIndex();
            // Enter in the open list takes the entry under the cursor.
            if (enter && combo->view()->isVisible() && combo->view()->currentIndex().isValid())
                index = combo->view()->currentIndex().row();
            if (index >= 0)
                return combo->itemText(index);
        }
        return std::nullopt;
    }

    void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        // A closed drop-down list gives the activation back to the window on a desktop; the
        // offscreen platform leaves no window active, so do what the window manager would.
        if (!QApplication::activePopupWidget() && QApplication::activeWindow() != m_f.dlg.get()) {
            m_f.dlg->activateWindow();
            if (!QTest::qWaitForWindowActive(m_f.dlg.get()))
                qFatal("the window never became active again");
        }
    }

    bool FocusInGrid() const
    {
        const QWidget *w = QApplication::focusWidget();
        return QApplication::activePopupWidget() || (w && (w == m_list || m_list->isAncestorOf(w)));
    }

    QPushButton *Button(const char *name) const
    {
        return m_f.dlg->findChild<QPushButton *>(QString::fromLatin1(name));
    }

    void ClickAt(int row, int column, bool twice)
    {
        QRect cell;
        m_list->EnsureRowVisible(row);
        m_list->GetCellRect(row, column, cell);
        QWidget *at = m_list->viewport();
        QTest::mouseClick(at, Qt::LeftButton, {}, cell.center());
        if (twice) { // as a hand does it: press, release, press, double click, release
            QTest::mousePress(at, Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(at, Qt::LeftButton, {}, cell.center());
            QTest::mouseRelease(at, Qt::LeftButton, {}, cell.center());
        }
    }

    QString Do(const Step &step, QStringList &log);
    QString Check(const QString &what, bool ended, int messages, bool sorted, Rows expected);
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
    const int n = int(before.size());
    const bool editing = m_list->IsEditing();
    const int slot = SelectedSlot();
    Rows expected = before;
    bool ends = true;     // the step ends an open edit, keeping what it holds
    bool enter = false;   // the step is Enter: a list-only editor takes the entry under the cursor
    bool sorted = false;  // the rows may come back in another order
    std::function<void()> act;
    QString what;

    switch (step.act) {
    case Act::Click:
    case Act::DoubleClick:
    case Act::SecondClick: {
        const bool second = step.act == Act::SecondClick;
        const int focus = m_list->GetFocusRow();
        if (n == 0 || (second && (focus < 0 || focus >= n))) {
            log << QStringLiteral("(no cell to click)");
            return {};
        }
        const int row = second ? focus : step.a % n;
        const int column = second ? m_list->GetFocusColumn() : step.b % 4;
        const bool twice = step.act == Act::DoubleClick;
        what = QStringLiteral("%1 cell %2,%3").arg(twice ? "double-click" : "click").arg(row).arg(column);
        act = [=] { ClickAt(row, column, twice); };
        break;
    }
    case Act::Key:
    case Act::Type: {
        ends = false;
        if (!FocusInGrid()) { // Tab on the way back to the grid; other keys would work a button
            const QWidget *fw = QApplication::focusWidget();
            what = QStringLiteral("key Tab (focus on %1)").arg(fw ? fw->objectName() : QStringLiteral("nothing"));
            act = [] { QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab); };
            break;
        }
        if (step.act == Act::Type) {
            const QString digits = QString::number(step.a).left(1 + step.b % 4);
            what = QStringLiteral("type %1").arg(digits);
            act = [digits] { QTest::keyClicks(static_cast<QWidget *>(nullptr), digits); };
            break;
        }
        const Qt::Key key = kKeys[size_t(step.a) % std::size(kKeys)];
        // Enter and Escape outside an editor belong to the window: they close it.
        if (!editing && (key == Qt::Key_Return || key == Qt::Key_Escape)) {
            log << QStringLiteral("(Enter/Escape skipped: no editor)");
            return {};
        }
        what = QStringLiteral("key %1").arg(QKeySequence(key).toString());
        enter = key == Qt::Key_Return;
        // Tab takes the focus out of the grid, unless an open drop-down list keeps it.
        ends = enter || (key == Qt::Key_Tab && !QApplication::activePopupWidget());
        if (!editing && key == Qt::Key_Delete) {
            for (int r : m_list->GetSelectedRows())
                expected[size_t(r)].marked = !before[size_t(r)].marked;
        }
        act = [key] { QTest::keyClick(static_cast<QWidget *>(nullptr), key); };
        break;
    }
    case Act::Header: {
        const int column = step.a % 4;
        QHeaderView *header = m_list->horizontalHeader();
        what = QStringLiteral("header %1").arg(column);
        sorted = column == 1 || column == 2;
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        act = [header, at] { QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at); };
        break;
    }
    case Act::Apply:
        what = QStringLiteral("Apply");
        act = [this, step] {
            QTest::mouseClick(Button(step.a % 2 ? "applyTpButton" : "applySatButton"), Qt::LeftButton);
        };
        break;
    case Act::AddTp:
    case Act::DeleteTp:
        what = step.act == Act::AddTp ? QStringLiteral("Add TP") : QStringLiteral("Delete TP");
        act = [this, step] {
            QTest::mouseClick(Button(step.act == Act::AddTp ? "addTpButton" : "deleteTpButton"),
                              Qt::LeftButton);
        };
        break;
    case Act::Satellite: {
        const int count = m_f.dlg->SatList()->count();
        if (count == 0) {
            log << QStringLiteral("(no satellite)");
            return {};
        }
        what = QStringLiteral("satellite %1").arg(step.a % count);
        act = [this, row = step.a % count] { m_f.SelectSatellite(row); };
        break;
    }
    }
    if (QApplication::activePopupWidget() && step.act != Act::Key && step.act != Act::Type)
        what += QStringLiteral(" (drop-down list open)");
    log << what;

    // The rows the step must leave: an edit it ends lands first, on the row it was opened on ...
    if (editing && ends) {
        if (const std::optional<QString> value = Pending(enter)) {
            Row &r = expected[size_t(m_editPos)];
            (m_list->GetEditColumn() == 1 ? r.f : m_list->GetEditColumn() == 2 ? r.s : r.p) = *value;
        }
    }
    // ... then the step's own work.
    const int focused = m_list->GetFocusedItem();
    if (step.act == Act::DeleteTp && slot >= 0 && focused >= 0)
        expected[size_t(focused)].marked = true;
    if (step.act == Act::AddTp && slot >= 0) {
        expected = DatabaseRows(slot);
        expected.push_back({TransponderRow::NEW, false, QStringLiteral("2000"), QStringLiteral("27500"),
                            QStringLiteral("Hori")});
    }
    if (step.act == Act::Satellite && step.a % m_f.dlg->SatList()->count() != m_f.dlg->SatList()->currentRow())
        expected = DatabaseRows(m_f.Slot(step.a % m_f.dlg->SatList()->count()));
    if (sorted) {
        for (Row &r : expected) {
            r.f = QString::number(TC::CellNumber(r.f));
            r.s = QString::number(TC::CellNumber(r.s));
        }
    }
    const int messages = m_f.prompts.MessageCount();
    const bool applied = step.act == Act::Apply && slot >= 0;
    const Rows shown = expected;

    act();
    Settle();
    if (applied) {
        const QString fault = CheckApply(slot, expected);
        if (!fault.isEmpty())
            return fault;
    }
    return Check(what, editing && ends, messages, sorted, expected);
}

QString Soak::CheckApply(int slot, Rows &shown)
{
    auto file = m_f.LoadFile(m_path);
    if (!file)
        return QStringLiteral("apply: the saved file does not load");
    const QStringList problems = DatabaseChecker::Check(*file, 3);
    if (!problems.isEmpty())
        return QStringLiteral("apply: the saved file is damaged: ") + problems.join(QLatin1String("; "));
    const std::vector<int> chain = file->TransponderChain(slot).indices;
    Rows kept;
    for (const Row &r : shown)
        if (!r.marked)
            kept.push_back(r);
    if (chain.size() != kept.size())
        return QStringLiteral("apply: %1 transponders stored for %2 rows shown: %3")
            .arg(chain.size()).arg(kept.size()).arg(Text(shown));
    for (size_t i = 0; i < kept.size(); ++i) {
        const TransponderRecord &rec = *file->TransponderAt(chain[i]);
        Row &r = kept[i];
        const bool same = rec.Frequency() == TC::StoredFrequency(TC::CellNumber(r.f))
            && rec.SymbolRate() == TC::StoredSymbolRate(TC::CellNumber(r.s))
            && rec.Polarisation() == int(TC::PolarFromText(r.p))
            && (r.record == TransponderRow::NEW || r.record == chain[i]);
        if (!same)
            return QStringLiteral("apply: transponder %1 stored as %2 MHz %3 kS/s polar %4 for row %5 %6")
                .arg(chain[i]).arg(rec.Frequency() / 1000).arg(rec.SymbolRate() / 1000)
                .arg(rec.Polarisation()).arg(i).arg(r.Text());
        r.record = chain[i];
    }
    shown = kept; // the list keeps the rows it stored, new rows standing for their records
    return {};
}

QString Soak::Check(const QString &what, bool ended, int messages, bool sorted, Rows expected)
{
    if (!m_f.dlg->isVisible())
        return QStringLiteral("window: closed by %1").arg(what);
    if (m_f.prompts.MessageCount() != messages)
        return QStringLiteral("message: ") + m_f.prompts.MessageTexts().last();
    Rows seen = GridRows();
    if (sorted) {
        std::sort(seen.begin(), seen.end());
        std::sort(expected.begin(), expected.end());
    }
    if (seen != expected) {
        Rows missing, extra;
        std::set_difference(expected.begin(), expected.end(), seen.begin(), seen.end(), std::back_inserter(missing));
        std::set_difference(seen.begin(), seen.end(), expected.begin(), expected.end(), std::back_inserter(extra));
        if (!sorted) { // in display order: name the rows that differ
            missing.clear();
            extra.clear();
            for (size_t i = 0; i < std::max(seen.size(), expected.size()); ++i) {
                if (i < expected.size() && (i >= seen.size() || !(seen[i] == expected[i])))
                    missing.push_back(expected[i]);
                if (i < seen.size() && (i >= expected.size() || !(seen[i] == expected[i])))
                    extra.push_back(seen[i]);
            }
        }
        return QStringLiteral("rows after %1: expected %2, seen %3").arg(what, Text(missing), Text(extra));
    }
    seen = GridRows();
    QWidget *editor = m_list->GetEditor();
    if (ended && editor && editor == m_editor)
        return QStringLiteral("edit: still open on row %1 after %2").arg(m_list->GetEditRow()).arg(what);
    const QVector<int> selected = m_list->GetSelectedRows();
    auto rowsText = [](const QVector<int> &rows) {
        QStringList t;
        for (int r : rows)
            t << QString::number(r);
        return t.join(QLatin1Char(','));
    };
    if (editor && editor != m_editor) {
        m_editor = editor;
        m_editPos = m_list->GetEditRow();
        m_editTarget = seen[size_t(m_editPos)];
        if (selected != QVector<int>{m_editPos})
            return QStringLiteral("focus: editor opened on row %1 while the selected rows are {%2}")
                .arg(m_editPos).arg(rowsText(selected));
    } else if (editor) {
        if (m_list->GetEditRow() != m_editPos || !(seen[size_t(m_editPos)] == m_editTarget))
            return QStringLiteral("edit: the editor opened on %1 at row %2 now edits row %3 holding %4")
                .arg(m_editTarget.Text()).arg(m_editPos).arg(m_list->GetEditRow())
                .arg(seen[size_t(m_list->GetEditRow())].Text());
    } else {
        m_editor = nullptr;
        const int focus = m_list->GetFocusRow();
        if (!selected.isEmpty() && (selected != QVector<int>{focus} || m_list->GetFocusedItem() != focus))
            return QStringLiteral("focus: focus cell on row %1, current row %2, selected rows {%3}")
                .arg(focus).arg(m_list->GetFocusedItem()).arg(rowsText(selected));
    }
    return {};
}

// Faults of one kind read alike up to their first number.
QString Kind(const QString &fault)
{
    const qsizetype digit = fault.indexOf(QRegularExpression(QStringLiteral("[0-9]")));
    return fault.left(digit < 0 ? fault.size() : digit).trimmed();
}

QString Replay(quint32 seed, const std::vector<Step> &plan, QStringList &log)
{
    Soak soak(seed);
    return soak.Run(plan, log);
}

// The plan cut down to the fewest steps that still end in a fault of the same kind: chunks of
// halving size are left out while the fault stays.
std::vector<Step> Shrink(quint32 seed, std::vector<Step> plan, const QString &kind)
{
    for (size_t chunk = std::max<size_t>(1, plan.size() / 2);; chunk /= 2) {
        for (size_t i = 0; i < plan.size() && plan.size() > 1;) {
            std::vector<Step> trial = plan;
            trial.erase(trial.begin() + long(i), trial.begin() + long(std::min(i + chunk, plan.size())));
            QStringList log;
            if (Kind(Replay(seed, trial, log)) == kind) {
                trial.resize(size_t(log.size()));
                plan = trial;
            } else {
                i += chunk;
            }
        }
        if (chunk == 1)
            return plan;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_PLATFORMTHEME", "");
    QApplication app(argc, argv);
    int steps = 5000;
    int episode = 250;
    quint32 seed = 1;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--steps"))
            steps = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toUInt();
        else if (args[i] == QLatin1String("--episode"))
            episode = args[i + 1].toInt();
    }

    QElapsedTimer clock;
    clock.start();
    std::map<QString, int> faults;
    int done = 0;
    int episodes = 0;
    for (; done < steps; ++seed, ++episodes) {
        const int length = std::min(episode, steps - done);
        std::vector<Step> plan = Plan(seed, length);
        QStringList log;
        const QString fault = Replay(seed, plan, log);
        done += int(log.size());
        if (fault.isEmpty())
            continue;
        const QString kind = Kind(fault);
        std::printf("seed %u: %s\n  after %d steps (replay: --seed %u --steps %d --episode %d)\n", seed,
                    qPrintable(fault), int(log.size()), seed, int(log.size()), int(log.size()));
        if (faults[kind]++ > 0)
            continue;
        plan.resize(size_t(log.size()));
        plan = Shrink(seed, plan, kind);
        QStringList shortLog;
        std::printf("  the same in %d steps:\n", int(plan.size()));
        const QString again = Replay(seed, plan, shortLog);
        for (const QString &line : shortLog)
            std::printf("    %s\n", qPrintable(line));
        std::printf("  -> %s\n", qPrintable(again));
    }
    std::printf("%d steps in %d episodes, %.1f s; faults:", done, episodes, double(clock.elapsed()) / 1000);
    for (const auto &[kind, count] : faults)
        std::printf(" %s %d", qPrintable(kind), count);
    std::printf("%s\n", faults.empty() ? " none" : "");
    return faults.empty() ? 0 : 1;
}
