#include "app/CImportDlg.h"

#include "document/SatelliteConversions.h"
#include "exchange/ExchangeConversions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString TargetText(const SatelliteValue &sat)
{
    return QStringLiteral("%1 (%2)").arg(sat.name, SatelliteConversions::FormatPosition(sat.position));
}

} // namespace

CImportDlg::CImportDlg(ImportPlan plan, const QString &fileName, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint), m_plan(std::move(plan))
{
    setWindowTitle(tr("Import from %1").arg(QFileInfo(fileName).fileName()));

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("importFilter"));
    m_filter->setPlaceholderText(tr("Filter by name or position"));
    m_filter->setClearButtonEnabled(true);
    m_tolerance = new QSpinBox(this);
    m_tolerance->setObjectName(QStringLiteral("importTolerance"));
    m_tolerance->setRange(0, 100);
    m_tolerance->setSuffix(tr(" MHz"));
    m_tolerance->setValue(m_plan.Tolerance());
    m_tolerance->setToolTip(tr("Transponders of the same polarisation whose frequencies "
                               "lie at most this far apart are the same transponder."));
    auto *form = new QFormLayout;
    form->addRow(tr("Satellites of the file:"), m_filter);
    form->addRow(tr("Same transponder within:"), m_tolerance);

    m_table = new QTableWidget(0, COL_COUNT, this);
    m_table->setObjectName(QStringLiteral("importTable"));
    m_table->setHorizontalHeaderLabels({tr("Take"), tr("Name"),
                                        tr("Position"), tr("Transponders"),
                                        tr("Transponders are"), tr("Goes to")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("importPreview"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_preview->setPlaceholderText(tr("Tick the satellites to take: what the import "
                                     "would do shows here before anything changes."));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("importSummary"));
    m_summary->setWordWrap(true);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *preview = new QWidget(this);
    auto *previewLayout = new QVBoxLayout(preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(new QLabel(tr("Preview:"), preview));
    previewLayout->addWidget(m_preview, 1);
    previewLayout->addWidget(m_summary);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_table);
    split->addWidget(preview);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(split, 1);
    layout->addWidget(m_buttons);
    resize(760, 620);

    FillTable();
    connect(m_filter, &QLineEdit::textChanged, this, &CImportDlg::OnFilter);
    connect(m_tolerance, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        m_plan.SetTolerance(value);
        UpdatePreview();
    });
    connect(m_table, &QTableWidget::cellChanged, this, &CImportDlg::OnItemChanged);
    UpdatePreview();
}

void CImportDlg::FillTable()
{
    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(m_plan.Count());
    for (int i = 0; i < m_plan.Count(); ++i) {
        const ExchangeSatellite &sat = m_plan.FileSatellite(i);
        auto *take = new QTableWidgetItem;
        take->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        take->setCheckState(m_plan.Taken(i) ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(i, COL_TAKE, take);
        m_table->setItem(i, COL_NAME, new QTableWidgetItem(sat.name));
        // A position the meter does not take is shown as the file gives it (the preview tells).
        const bool placed = sat.position != ExchangeConversions::NO_POSITION;
        m_table->setItem(i, COL_POSITION, new QTableWidgetItem(placed ? SatelliteConversions::FormatPosition(sat.position)
                                                                       : sat.positionText));
        auto *count = new QTableWidgetItem(QString::number(sat.transponders.size()));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(i, COL_TRANSPONDERS, count);

        auto *mode = new QComboBox(m_table);
        mode->addItems({tr("replaced"), tr("merged")});
        mode->setCurrentIndex(m_plan.GetMode(i) == ImportPlan::Mode::Merge ? 1 : 0);
        connect(mode, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, i](int index) {
            m_plan.SetMode(i, index == 1 ? ImportPlan::Mode::Merge : ImportPlan::Mode::Replace);
            UpdatePreview();
        });
        m_table->setCellWidget(i, COL_MODE, mode);

        // The match is shown always; a choice is offered where the database has more than one
        // satellite near the file's position.
        auto *target = new QComboBox(m_table);
        target->addItem(tr("a new satellite"), ImportPlan::ADD);
        for (const SatelliteValue &candidate : m_plan.Candidates(i))
            target->addItem(TargetText(candidate), candidate.slot);
        target->setCurrentIndex(std::max(0, target->findData(m_plan.Target(i))));
        target->setEnabled(target->count() > 1);
        if (m_plan.Ambiguous(i))
            target->setToolTip(tr("More than one satellite of the database lies here: "
                                  "check which one the file's satellite goes to."));
        connect(target, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, i, target](int index) {
            m_plan.SetTarget(i, target->itemData(index).toInt());
            UpdatePreview();
        });
        m_table->setCellWidget(i, COL_TARGET, target);
    }
}

void CImportDlg::OnItemChanged(int row, int column)
{
    if (column != COL_TAKE)
        return;
    m_plan.SetTaken(row, m_table->item(row, COL_TAKE)->checkState() == Qt::Checked);
    UpdatePreview();
}

void CImportDlg::OnFilter(const QString &text)
{
    // Hidden rows keep their ticks: the filter only narrows what is shown.
    const QString t = text.trimmed();
    for (int i = 0; i < m_plan.Count(); ++i) {
        const ExchangeSatellite &sat = m_plan.FileSatellite(i);
        const bool shown = t.isEmpty() || sat.name.contains(t, Qt::CaseInsensitive)
                           || (sat.position != ExchangeConversions::NO_POSITION
                               && SatelliteConversions::FormatPosition(sat.position).startsWith(t))
                           || sat.positionText.startsWith(t);
        m_table->setRowHidden(i, !shown);
    }
}

void CImportDlg::UpdatePreview()
{
    const ImportPreview preview = m_plan.Preview();
    m_preview->setPlainText(preview.Lines().join(QLatin1Char('\n')));
    int added = 0;
    int removed = 0;
    int changed = 0;
    int newSatellites = 0;
    int leftOut = 0; // taken, but at a position the meter does not take
    for (const ImportPreview::Satellite &s : preview.satellites) {
        leftOut += s.leftOut ? 1 : 0;
        added += s.Count(DatabaseDiff::TransponderChange::Kind::Added);
        removed += s.Count(DatabaseDiff::TransponderChange::Kind::Removed);
        changed += s.Count(DatabaseDiff::TransponderChange::Kind::Changed);
        newSatellites += s.added ? 1 : 0;
    }
    m_summary->setText(preview.Full()
        ? preview.FullText()
        : tr("%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, "
             "%5 changed. Import changes the database in memory as one step (Edit > Undo "
             "takes it back); Apply writes it into the file.",
             nullptr, int(preview.satellites.size()))
              .arg(newSatellites).arg(leftOut).arg(added).arg(removed).arg(changed));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(int(preview.satellites.size()) > leftOut && !preview.Full());
}
