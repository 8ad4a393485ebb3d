#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The named steps of a document, undone and redone on its image bytes. A step keeps only the
// byte runs that changed, as old XOR new, so the same bits take the image either way; at most
// MAX_STEPS steps are kept, the oldest going first. A step costs the bytes it changed plus 8 per
// run, and never more than one image and its run (a step that would is kept as one run over the
// whole image): the history holds at most MAX_STEPS x (241248 + 8) bytes (about 24 MB), and an
// Apply, Add SAT or Delete SAT step usually well under a kilobyte.
class UndoHistory
{
public:
    static constexpr int MAX_STEPS = 100;

    // Records the change from before to after (images of one size) as the step done last and
    // drops what could be redone. An unchanged image records nothing.
    void Record(const QString &name, const QByteArray &before, const QByteArray &after);
    void Clear();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // The step Undo, or Redo, would take: empty when there is none.
    QString UndoName() const;
    QString RedoName() const;
    // Takes the image one step back, or forward; false (image untouched) when there is none.
    bool Undo(QByteArray &image);
    bool Redo(QByteArray &image);

    // Bytes held by the steps' runs.
    qsizetype Size() const;

private:
    struct Run {
        int offset;
        int size;
    };
    struct Step {
        QString name;
        std::vector<Run> runs;
        QByteArray bits; // the runs' old XOR new, one after another
    };
    static void Toggle(const Step &step, QByteArray &image);

    std::vector<Step> m_steps;
    size_t m_done = 0; // m_steps[0, m_done) are done
};
