#include "app/ExchangeCommands.h"

#include "app/Backups.h"
#include "app/CCompareDlg.h"
#include "app/CImportDlg.h"
#include "app/CTransponderList.h"
#include "app/EditorPanel.h"

#include "common/Prompts.h"
#include "document/DatabaseDocument.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/ImportPlan.h"
#include "exchange/TransponderDuplicates.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

const char *const kReceiverListFilter =
    QT_TRANSLATE_NOOP("ExchangeCommands", "Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)");

// The rows that repeat an earlier one, not counting rows marked for deletion.
std::vector<int> DuplicateRows(const CTransponderList &list)
{
    std::vector<TransponderRow> kept;
    std::vector<int> rowOf;
    const std::vector<TransponderRow> rows = list.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].marked) {
            kept.push_back(rows[i]);
            rowOf.push_back(int(i));
        }
    }
    std::vector<int> duplicates;
    for (int k : TransponderDuplicates::Find(kept, ImportPlan::DEFAULT_TOLERANCE))
        duplicates.push_back(rowOf[size_t(k)]);
    return duplicates;
}

const char *const kListReadingName = "listReading";

// A receiver list read on a worker thread, since a large one takes seconds. The worker only
// reads and stores; it never waits for the window, so the window may wait for it: destroying
// this (with the window, or once it has finished) stops the reading and waits for its end.
class ListReading : public QObject
{
public:
    ListReading(const QString &path, QObject *parent)
        : QObject(parent),
          m_path(path),
          m_thread(QThread::create([this] { m_data = ExchangeFiles::Read(m_path, &m_progress); }))
    {
        setObjectName(QLatin1String(kListReadingName));
    }
    ~ListReading() override
    {
        Cancel();
        m_thread->wait();
    }
    ListReading(const ListReading &) = delete;
    ListReading &operator=(const ListReading &) = delete;

    QThread *Thread() const { return m_thread.get(); }
    void Cancel() { m_progress.cancel = true; }
    bool Cancelled() const { return m_progress.cancel; }
    int Permille() const { return m_progress.permille; }
    // Once the thread has finished.
    ExchangeData TakeData() { return std::move(m_data); }

private:
    QString m_path;
    ReadProgress m_progress;
    ExchangeData m_data;
    std::unique_ptr<QThread> m_thread; // last: it goes first, after the wait
};

} // namespace

ExchangeCommands::ExchangeCommands(DatabaseDocument &doc, EditorPanel &editor, Backups &backups, Prompts &prompts,
                                   QWidget *window)
    : QObject(window), m_doc(doc), m_editor(editor), m_backups(backups), m_prompts(prompts), m_window(window)
{
    // The shown rows' duplicates, as they are now, pending changes included.
    CTransponderList *list = m_editor.TpList();
    connect(list, &CTransponderList::pendingChanged, this, [list] { list->SetTintedRows(DuplicateRows(*list)); });
}

void ExchangeCommands::OnCompareWithFile()
{
    if (!m_doc.IsOpen())
        return;
    const QString path = m_prompts.OpenFileName(QCoreApplication::translate("Prompts", kDataFileFilter));
    if (!path.isEmpty())
        CompareWithFile(path);
}

void ExchangeCommands::CompareWithFile(const QString &path, QWidget *owner)
{
    if (!m_doc.IsOpen())
        return;
    DatabaseDocument other;
    const DocumentResult opened = other.Open(path);
    if (!opened) {
        m_editor.Warn(opened);
        return;
    }
    // Owned by a modal dialog that asked for it (the backups' list), so that it takes input
    // while that dialog is open; it closes with it.
    auto *compare = new CCompareDlg(m_doc, other, owner ? owner : m_window);
    compare->setAttribute(Qt::WA_DeleteOnClose);
    compare->show();
}

void ExchangeCommands::OnImport()
{
    // One reading at a time: the progress is window-modal, but shows only after a moment.
    if (!m_doc.IsOpen() || m_window->findChild<QObject *>(kListReadingName, Qt::FindDirectChildrenOnly)
        || !m_editor.TpList()->EndEdit())
        return;
    const QString path = m_prompts.OpenFileName(tr(kReceiverListFilter));
    if (path.isEmpty())
        return;
    auto *reading = new ListReading(path, m_window);
    auto *progress = new QProgressDialog(tr("Reading %1...").arg(QFileInfo(path).fileName()),
                                         tr("Cancel"), 0, 1000, m_window);
    progress->setWindowTitle(QString::fromLatin1(kAppTitle));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(500);
    progress->setAutoReset(false);
    auto *tick = new QTimer(progress);
    connect(tick, &QTimer::timeout, progress, [progress, reading] { progress->setValue(reading->Permille()); });
    connect(progress, &QProgressDialog::canceled, reading, &ListReading::Cancel);
    connect(reading->Thread(), &QThread::finished, this, [this, reading, progress, tick, path] {
        // Asked first: closing the progress tells it as a cancel.
        const bool cancelled = reading->Cancelled() || progress->wasCanceled();
        tick->stop();
        progress->close();
        progress->deleteLater();
        reading->deleteLater();
        if (cancelled || !m_doc.IsOpen())
            return;
        ExchangeData data = reading->TakeData();
        if (!data.Ok()) {
            m_prompts.Message(data.error, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
            return;
        }
        // Window-modal: the database cannot change under the plan while the dialog is open.
        auto *dlg = new CImportDlg(ImportPlan(m_doc, std::move(data.satellites)), path, m_window);
        dlg->setAttribute(Qt::WA_DeleteOnClose);
        connect(dlg, &QDialog::accepted, this, [this, dlg] { ApplyImport(dlg->Plan()); });
        dlg->open();
    });
    tick->start(100);
    reading->Thread()->start();
}

void ExchangeCommands::ApplyImport(const ImportPlan &plan)
{
    const int slot = m_editor.SelectedSlot();
    bool shownChanges = false;
    for (int i = 0; i < plan.Count(); ++i)
        shownChanges = shownChanges || (plan.Taken(i) && plan.Target(i) == slot);
    if (shownChanges && m_editor.TpList()->IsModified()
        && !m_prompts.AskYesNoDefaultNo(tr("The transponder list has changes that have not been applied; "
                                           "the import changes this satellite and drops them.\n\nImport anyway?"),
                               QString::fromLatin1(kAppTitle))) {
        return;
    }
    const DocumentResult imported = plan.Apply(m_doc);
    if (!imported) {
        m_prompts.Message(imported.text.isEmpty() ? tr("Nothing was imported: the database refused the change.")
                                                  : imported.text,
                          QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
        return;
    }
    // As with the satellite commands: the rows of a satellite the import changed are shown
    // afresh, dropping what was not applied; those of an untouched satellite stay as they are.
    if (shownChanges || !m_editor.TpList()->IsModified()) {
        m_editor.ShowDocument();
        return;
    }
    m_editor.RefillSatellites();
}

void ExchangeCommands::OnExport()
{
    if (!m_doc.IsOpen() || !m_editor.TpList()->EndEdit())
        return;
    const QString path = m_prompts.SaveFileName(tr(kReceiverListFilter));
    if (path.isEmpty())
        return;
    // The ending names the format; a name without one is refused rather than renamed, which
    // could replace another file without the question the file dialog asked for this one.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("xml") && suffix != QLatin1String("csv")) {
        m_prompts.Message(tr("Please give the file name the ending .xml (satellites.xml) or .csv."),
                          QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
        return;
    }
    // The file dialog asked before replacing a file; what it held is kept all the same.
    m_backups.KeepBeforeSave(path);
    // The database as applied, as the file would hold it after the next Apply.
    const ExchangeFiles::Encoded encoded = ExchangeFiles::EncodeWithNotes(m_doc, ExchangeFiles::Detect(path));
    if (const FileResult written = ExchangeFiles::Write(path, encoded.bytes); !written) {
        m_prompts.Message(written.error, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
        return;
    }
    const QStringList &changed = encoded.nameChanges;
    if (!changed.isEmpty())
        m_prompts.Message(tr("Exported to %1, with these names changed:\n%2")
                              .arg(QFileInfo(path).fileName(), changed.join(QLatin1Char('\n'))),
                          QString::fromLatin1(kAppTitle), Prompts::Icon::Information);
}

void ExchangeCommands::OnRemoveDuplicates()
{
    const int slot = m_editor.SelectedSlot();
    if (!m_doc.IsOpen() || slot < 0 || !m_editor.TpList()->EndEdit())
        return;
    if (m_editor.TpList()->IsModified()) {
        // The rows shown are not the stored ones yet: their duplicates are marked for deletion,
        // a pending step as any other, stored by Apply.
        m_editor.TpList()->MarkRows(DuplicateRows(*m_editor.TpList()), TransponderDuplicates::StepName());
        return;
    }
    const DocumentResult removed = TransponderDuplicates::Remove(m_doc, slot, ImportPlan::DEFAULT_TOLERANCE);
    if (!removed) {
        m_editor.Warn(removed);
        return;
    }
    m_editor.ShowTransponders(slot);
}
