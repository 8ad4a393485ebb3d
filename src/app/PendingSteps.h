#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// A view's changes not applied yet, as the states they started from, newest last: Undo goes back
// to the newest and keeps the present for Redo. At most `limit` steps are kept; the oldest go first.
template <typename State>
class PendingSteps
{
public:
    explicit PendingSteps(size_t limit) : m_limit(limit) {}

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    QString UndoName() const { return CanUndo() ? m_undo.back().name : QString(); }
    QString RedoName() const { return CanRedo() ? m_redo.back().name : QString(); }
    void Clear()
    {
        m_undo.clear();
        m_redo.clear();
    }
    // A change named name was made from before; what was undone can no longer be redone.
    void Record(const QString &name, State before)
    {
        m_undo.push_back({name, std::move(before)});
        if (m_undo.size() > m_limit)
            m_undo.erase(m_undo.begin());
        m_redo.clear();
    }
    // The state to show instead of now, which the opposite walk keeps; none without a step.
    std::optional<State> Step(bool back, State now)
    {
        std::vector<Named> &from = back ? m_undo : m_redo;
        if (from.empty())
            return std::nullopt;
        Named newest = std::move(from.back());
        from.pop_back();
        (back ? m_redo : m_undo).push_back({newest.name, std::move(now)});
        return std::move(newest.state);
    }

private:
    struct Named {
        QString name;
        State state;
    };
    size_t m_limit;
    std::vector<Named> m_undo;
    std::vector<Named> m_redo;
};
