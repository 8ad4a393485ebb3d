#include "app/CMeterDlg.h"

#include "app/CAboutDlg.h"
#include "app/CRestoreDlg.h"
#include "app/CTransponderList.h"
#include "app/DesktopOpener.h"
#include "app/EditorPanel.h"
#include "app/ExchangeCommands.h"
#include "app/ManualLocation.h"
#include "app/PlanCommands.h"
#include "app/PortPanel.h"
#include "app/TransferCommands.h"
#include "common/Prompts.h"
#include "protocol/TransferLogFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {
constexpr int kWindowWidth = 560;
constexpr int kExpandedHeight = 470;
} // namespace

CMeterDlg::CMeterDlg(Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_prompts(prompts),
      m_backups(prompts)
{
    setWindowTitle(tr("Meterdesk"));
    setWindowIcon(QIcon(QStringLiteral(":/orbivane.png")));
    m_doc.SetArchive(&m_backups.Archive());

    auto *menuBar = new QMenuBar(this);
    m_port = new PortPanel(m_prompts, this);
    m_editor = new EditorPanel(m_doc, m_backups, m_prompts, this);
    m_transfers = new TransferCommands(*m_port, m_backups, m_prompts, this);
    m_exchange = new ExchangeCommands(m_doc, *m_editor, m_backups, m_prompts, this);
    m_plan = new PlanCommands(m_doc, *m_editor, m_prompts, this);
    auto *top = new QVBoxLayout(this);
    top->setMenuBar(menuBar);
    top->addWidget(m_port);
    top->addWidget(m_editor, 1);

    // Enter must not press whichever button last had the focus.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    connect(m_port, &PortPanel::loadSoftwareClicked, m_transfers, &TransferCommands::OnLoadSoftware);
    connect(m_port, &PortPanel::readParametersClicked, m_transfers, &TransferCommands::OnReadParameters);
    connect(m_port, &PortPanel::writeParametersClicked, m_transfers, &TransferCommands::OnWriteParameters);
    connect(m_port, &PortPanel::editParametersClicked, m_editor, &EditorPanel::OnEditParameters);
    connect(m_editor, &EditorPanel::databaseOpened, this, [this] { ShowDatabasePanels(true); });
    connect(m_editor, &EditorPanel::undoChanged, this, &CMeterDlg::UpdateEditMenu);
    BuildMenus(menuBar);
}

CMeterDlg::~CMeterDlg() = default;

void CMeterDlg::BuildMenus(QMenuBar *menuBar)
{
    auto *file = menuBar->addMenu(tr("&File"));
    // The keys people expect: Ctrl+O is Edit parameters (through its button, so that nothing
    // happens while the button is disabled), Ctrl+Q closes through the close question.
    QAction *editParameters = file->addAction(tr("&Edit parameters..."), this, [this] {
        if (auto *button = m_port->findChild<QPushButton *>(QStringLiteral("editButton")))
            button->click();
    });
    editParameters->setShortcut(QKeySequence::Open);
    file->addSeparator();
    file->addAction(tr("&Restore a backup..."), this, &CMeterDlg::OnRestoreBackup);
    file->addSeparator();
    const QList<QAction *> needOpen{
        file->addAction(tr("&Import..."), m_exchange, &ExchangeCommands::OnImport),
        file->addAction(tr("E&xport..."), m_exchange, &ExchangeCommands::OnExport),
        file->addAction(tr("&Compare with file..."), m_exchange, &ExchangeCommands::OnCompareWithFile),
        file->addAction(tr("&Plan for a site..."), m_plan, &PlanCommands::OnPlanForSite),
        file->addAction(tr("Export pointing &sheet..."), m_plan, &PlanCommands::OnExportSheet)};
    file->addSeparator();
    // Spelt out: not every platform theme binds QKeySequence::Quit.
    file->addAction(tr("&Quit"), this, &QWidget::close)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Alt+E belongs to "&Edit parameters": added menus take letters the window's own do not use.
    auto *edit = menuBar->addMenu(tr("Ed&it"));
    m_undoAction = edit->addAction(tr("&Undo"), this, &CMeterDlg::OnUndo);
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = edit->addAction(tr("&Redo"), this, &CMeterDlg::OnRedo);
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    QAction *duplicates = edit->addAction(tr("Remove &duplicate transponders"), m_exchange,
                                          &ExchangeCommands::OnRemoveDuplicates);
    connect(edit, &QMenu::aboutToShow, this, &CMeterDlg::UpdateEditMenu);
    auto enable = [this, needOpen, duplicates] {
        for (QAction *action : needOpen)
            action->setEnabled(m_doc.IsOpen());
        duplicates->setEnabled(m_doc.IsOpen() && m_editor->SelectedSlot() >= 0);
    };
    connect(file, &QMenu::aboutToShow, this, enable);
    connect(edit, &QMenu::aboutToShow, this, enable);
    UpdateEditMenu();

    QMenu *help = menuBar->addMenu(tr("&Help"));
    help->addAction(tr("&Manual"), this, &CMeterDlg::OnManual)->setShortcut(QKeySequence::HelpContents);
    QAction *logs = help->addAction(tr("Show transfer &logs"), this, [this] {
        // Made when missing, so that the file manager has something to open before any transfer.
        const QString folder = TransferLogFolder::Path();
        QDir().mkpath(folder);
        OpenOnDesktop(folder, tr("the transfer logs folder"));
    });
    logs->setObjectName(QStringLiteral("showTransferLogs"));
    // No portable system menu: the About entry goes into the Help menu.
    help->addSeparator();
    help->addAction(tr("&About Orbivane..."), this, &CMeterDlg::OnAbout);
}

bool CMeterDlg::OnInitDialog()
{
    m_port->Start();
    ShowDatabasePanels(false);
    return true;
}

void CMeterDlg::ShowDatabasePanels(bool expanded)
{
    m_editor->setVisible(expanded);
    if (expanded) {
        resize(kWindowWidth, kExpandedHeight);
    } else {
        move(180, 150);
        layout()->activate();
        resize(kWindowWidth, minimumSizeHint().height());
    }
    show();
}

void CMeterDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter while no push button has the focus closes the window, like the Close box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!qobject_cast<QPushButton *>(focusWidget())) {
            close();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CMeterDlg::reject()
{
    if (m_editor->QueryClose())
        QDialog::reject();
}

void CMeterDlg::UpdateEditMenu()
{
    // While the list has changes of its own, the document's steps wait: undoing one would
    // show the rows afresh and drop the changes.
    const CTransponderList *list = m_editor->TpList();
    const bool listFirst = list->CanUndo() || list->IsModified();
    const QString undo = list->CanUndo() ? list->UndoName() : listFirst ? QString() : m_doc.UndoName();
    const QString redo = list->CanRedo() ? list->RedoName() : listFirst ? QString() : m_doc.RedoName();
    m_undoAction->setEnabled(!undo.isEmpty());
    m_undoAction->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
    m_redoAction->setEnabled(!redo.isEmpty());
    m_redoAction->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
}

void CMeterDlg::OnUndo()
{
    UndoStep(true);
}

void CMeterDlg::OnRedo()
{
    UndoStep(false);
}

void CMeterDlg::UndoStep(bool back)
{
    // An open edit ends first, kept: it is then the list's newest step.
    CTransponderList *list = m_editor->TpList();
    if (!list->EndEdit())
        return;
    if (back ? list->CanUndo() : list->CanRedo())
        back ? list->Undo() : list->Redo();
    else if (!list->IsModified() && (back ? m_doc.Undo() : m_doc.Redo()))
        m_editor->ShowDocument();
    UpdateEditMenu();
}

void CMeterDlg::OnRestoreBackup()
{
    CRestoreDlg dlg(m_backups.Archive(), m_doc.IsOpen(), this);
    connect(&dlg, &CRestoreDlg::compareRequested, this,
            [this, &dlg](const QString &file) { m_exchange->CompareWithFile(file, &dlg); });
    if (dlg.exec() == QDialog::Accepted && !dlg.ChosenFile().isEmpty())
        RestoreBackup(dlg.ChosenFile());
}

bool CMeterDlg::RestoreBackup(const QString &archivedFile)
{
    const QString caption = QString::fromLatin1(kAppTitle);
    QFile file(archivedFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompts.Message(QDir::toNativeSeparators(archivedFile) + QLatin1Char('\n') + file.errorString(), caption,
                          Prompts::Icon::Warning);
        return false;
    }
    const QByteArray image = file.readAll();
    if (m_doc.IsOpen())
        return m_editor->RestoreImage(image);
    // Nothing is being edited: the version becomes a file the user names, opened as any other.
    // The archive's own copy is never edited in place.
    const QString path = m_prompts.SaveFileName(QCoreApplication::translate("Prompts", kDataFileFilter));
    if (path.isEmpty())
        return false;
    m_backups.KeepBeforeSave(path, image);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
        m_prompts.Message(QDir::toNativeSeparators(path) + QLatin1Char('\n') + out.errorString(), caption,
                          Prompts::Icon::Warning);
        return false;
    }
    return m_editor->OpenAndShow(path);
}

void CMeterDlg::OnManual()
{
    const QString manual = ManualLocation::Find(QCoreApplication::applicationDirPath());
    if (manual.isEmpty()) {
        m_prompts.Message(tr("Can not find %1").arg(ManualLocation::FileName()), tr("Attention"));
        return;
    }
    OpenOnDesktop(manual, tr("the manual"));
}

void CMeterDlg::OpenOnDesktop(const QString &path, const QString &what)
{
    // The desktop finds no program for it (no viewer, no file manager, no xdg-open): say where
    // it is, so that the person can open it another way.
    DesktopOpener::Open(path, this, [this, path, what] {
        m_prompts.Message(tr("No program on this system could open %1:\n%2")
                              .arg(what, QDir::toNativeSeparators(path)),
                          kAppTitle, Prompts::Icon::Warning);
    });
}

void CMeterDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}
