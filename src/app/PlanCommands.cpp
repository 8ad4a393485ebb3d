#include "app/PlanCommands.h"

#include "app/CPlanDlg.h"
#include "app/CTransponderList.h"
#include "app/EditorPanel.h"
#include "common/Prompts.h"
#include "common/SettingsStore.h"
#include "document/DatabaseDocument.h"
#include "sheet/PointingSheet.h"

#include <QFileInfo>

PlanCommands::PlanCommands(DatabaseDocument &doc, EditorPanel &editor, Prompts &prompts, QWidget *window)
    : QObject(window), m_doc(doc), m_editor(editor), m_prompts(prompts), m_window(window)
{
}

void PlanCommands::OnPlanForSite()
{
    if (!m_doc.IsOpen() || m_window->findChild<CPlanDlg *>(QString(), Qt::FindDirectChildrenOnly)
        || !m_editor.TpList()->EndEdit())
        return;
    // Window-modal: the database cannot change under the plan while the dialog is open.
    auto *dlg = new CPlanDlg(m_doc, m_prompts, m_window);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    connect(dlg, &QDialog::accepted, this, [this, dlg] {
        const RegionPlan *plan = dlg->Plan();
        if (!plan)
            return;
        if (m_editor.TpList()->IsModified()
            && !m_prompts.AskYesNoDefaultNo(tr("The transponder list has changes that have not been applied; the "
                                               "plan shows the database afresh and drops them.\n\nImport anyway?"),
                                            QString::fromLatin1(kAppTitle))) {
            return;
        }
        const DocumentResult applied = plan->Apply(m_doc);
        if (!applied) {
            m_prompts.Message(applied.text.isEmpty() ? tr("Nothing was changed: the database refused the plan.")
                                                     : applied.text,
                              QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
            return;
        }
        m_editor.ShowDocument();
    });
    dlg->open();
}

void PlanCommands::OnExportSheet()
{
    if (!m_doc.IsOpen())
        return;
    const std::optional<Site> site = Site::ReadSetting();
    if (!site) {
        m_prompts.Message(tr("No site is kept yet: type it in File > Plan for a site... first."),
                          QString::fromLatin1(kAppTitle), Prompts::Icon::Information);
        return;
    }
    const QString path = m_prompts.SaveFileName(tr("PDF (*.pdf);;All Files (*)"));
    if (path.isEmpty())
        return;
    // As with Export: a name without the ending is refused rather than changed, which could
    // replace another file without the question the file dialog asked for this one.
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
        m_prompts.Message(tr("Please give the file name the ending .pdf."), QString::fromLatin1(kAppTitle),
                          Prompts::Icon::Warning);
        return;
    }
    const int minimum = qBound(0, SettingsStore::ReadNumber(QStringLiteral("Region/MinimumElevation"),
                                                            int(LookAngles::DEFAULT_MINIMUM_ELEVATION)), 90);
    const PointingSheet sheet(m_doc, *site, minimum);
    const QByteArray pdf = sheet.Pdf(QFileInfo(m_doc.Path()).fileName());
    if (const FileResult written = PointingSheet::Write(path, m_doc.Path(), pdf); !written)
        m_prompts.Message(written.error, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
}
