#include "app/CRestoreDlg.h"

#include "document/BackupArchive.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kPathRole = Qt::UserRole;
} // namespace

CRestoreDlg::CRestoreDlg(const BackupArchive &archive, bool canCompare, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Restore a backup"));
    const QList<BackupArchive::Entry> entries = archive.Entries();
    auto *intro = new QLabel(
        entries.isEmpty()
            ? tr("No backups yet. A file's previous content is kept each time it is saved, "
                 "and every database read from a meter.")
            : tr("Choose a version to open. It takes the place of the database being edited "
                 "(Undo takes it back) and reaches its file when you apply; with none open, "
                 "you name a file to keep it in."),
        this);
    intro->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({tr("File"), tr("Date"), tr("Source"),
                             tr("Contents")});
    for (const BackupArchive::Entry &entry : entries) {
        const bool read = entry.source == BackupArchive::Source::ReadFromMeter;
        auto *item = new QTreeWidgetItem(m_list, {
            BackupArchive::DisplayName(entry),
            entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            read ? tr("read from meter") : tr("saved over"), QStringLiteral("...")});
        item->setToolTip(0, QDir::toNativeSeparators(entry.filePath));
        // A stray file under a version's name is shown, never offered: opening it could hang or
        // take all memory.
        if (entry.IsVersion())
            item->setData(0, kPathRole, entry.filePath);
        else
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);

    // Each version is read and checked aside; its row gets the result through the event loop,
    // and none arrives once the dialog is gone.
    m_pending = int(entries.size());
    m_describer = std::thread([this, entries] {
        for (int row = 0; row < int(entries.size()) && !m_stop.load(); ++row) {
            QStringList problems;
            const QString text = BackupArchive::Describe(entries.at(row), &problems);
            QMetaObject::invokeMethod(
                this,
                [this, row, text, problems] {
                    QTreeWidgetItem *item = m_list->topLevelItem(row);
                    item->setText(3, text);
                    if (!problems.isEmpty())
                        item->setToolTip(3, problems.join(QLatin1Char('\n')));
                    if (--m_pending == 0)
                        m_list->resizeColumnToContents(3);
                },
                Qt::QueuedConnection);
        }
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // As desktop themes spell it (some platforms give it no mnemonic); Alt+C is its.
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    m_open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    m_open->setEnabled(false);
    m_compare = buttons->addButton(tr("Co&mpare"), QDialogButtonBox::ActionRole);
    m_compare->setEnabled(false);
    m_compare->setVisible(canCompare);
    connect(m_compare, &QPushButton::clicked, this, [this] { emit compareRequested(ChosenFile()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] {
                m_open->setEnabled(!ChosenFile().isEmpty());
                m_compare->setEnabled(!ChosenFile().isEmpty());
            });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(640, 360);
}

CRestoreDlg::~CRestoreDlg()
{
    m_stop.store(true);
    m_describer.join();
}

QString CRestoreDlg::ChosenFile() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(0, kPathRole).toString();
}
