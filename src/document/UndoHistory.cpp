#include "document/UndoHistory.h"

namespace {
// Unchanged bytes this close between two changes stay in one run: a run costs more than that.
constexpr int kJoinGap = 16;
} // namespace

void UndoHistory::Record(const QString &name, const QByteArray &before, const QByteArray &after)
{
    Step step{name, {}, {}};
    const char *a = before.constData();
    const char *b = after.constData();
    const int n = int(qMin(before.size(), after.size()));
    for (int i = 0; i < n;) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        int end = i + 1;
        for (int j = end; j < n && j < end + kJoinGap; ++j) {
            if (a[j] != b[j])
                end = j + 1;
        }
        step.runs.push_back({i, end - i});
        i = end;
    }
    if (step.runs.empty())
        return;
    size_t cost = step.runs.size() * sizeof(Run);
    for (const Run &run : step.runs)
        cost += size_t(run.size);
    if (cost > size_t(n)) // scattered all over: one run over everything is smaller
        step.runs = {{0, n}};
    for (const Run &run : step.runs) {
        for (int k = run.offset; k < run.offset + run.size; ++k)
            step.bits.append(char(a[k] ^ b[k]));
    }
    m_steps.resize(m_done);
    m_steps.push_back(std::move(step));
    if (m_steps.size() > size_t(MAX_STEPS))
        m_steps.erase(m_steps.begin());
    m_done = m_steps.size();
}

void UndoHistory::Clear()
{
    m_steps.clear();
    m_done = 0;
}

QString UndoHistory::UndoName() const
{
    return CanUndo() ? m_steps[m_done - 1].name : QString();
}

QString UndoHistory::RedoName() const
{
    return CanRedo() ? m_steps[m_done].name : QString();
}

void UndoHistory::Toggle(const Step &step, QByteArray &image)
{
    char *p = image.data();
    const char *bits = step.bits.constData();
    for (const Run &run : step.runs) {
        for (int k = run.offset; k < run.offset + run.size; ++k)
            p[k] = char(p[k] ^ *bits++);
    }
}

bool UndoHistory::Undo(QByteArray &image)
{
    if (!CanUndo())
        return false;
    Toggle(m_steps[--m_done], image);
    return true;
}

bool UndoHistory::Redo(QByteArray &image)
{
    if (!CanRedo())
        return false;
    Toggle(m_steps[m_done++], image);
    return true;
}

qsizetype UndoHistory::Size() const
{
    qsizetype total = 0;
    for (const Step &step : m_steps)
        total += step.bits.size() + qsizetype(step.runs.size() * sizeof(Run));
    return total;
}
