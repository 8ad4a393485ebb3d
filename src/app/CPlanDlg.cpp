#include "app/CPlanDlg.h"

#include "app/PlanTableModel.h"
#include "common/Prompts.h"
#include "common/SettingsStore.h"
#include "document/DatabaseDocument.h"
#include "exchange/ExchangeFiles.h"
#include "fetch/ListFetcher.h"
#include "fetch/ListSources.h"
#include "fetch/ListUrl.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const kMinimumKey = "Region/MinimumElevation";
const char *const kSourceKey = "Region/Source";

} // namespace

// One reading of a list on a worker thread. The worker only reads and stores; destroying this
// asks it to stop and waits for its end, so a dialog that closes never leaves it behind.
class CPlanDlg::Reading
{
public:
    Reading(const ListReader &reader, const QString &source)
        : m_thread(QThread::create([this, reader, source] { m_data = reader(source, &m_progress); }))
    {
    }
    ~Reading()
    {
        m_progress.cancel = true;
        m_thread->wait();
    }
    Reading(const Reading &) = delete;
    Reading &operator=(const Reading &) = delete;

    QThread *Thread() const { return m_thread.get(); }
    void Cancel() { m_progress.cancel = true; }
    bool Cancelled() const { return m_progress.cancel; }
    int Permille() const { return m_progress.permille; }
    ExchangeData TakeData() { return std::move(m_data); } // once the thread has finished

private:
    ReadProgress m_progress;
    ExchangeData m_data;
    std::unique_ptr<QThread> m_thread; // last: it goes first, after the wait
};

ExchangeData CPlanDlg::ReadSource(const QString &source, ReadProgress *progress)
{
    if (!ListUrl::IsRemote(source))
        return ExchangeFiles::Read(source, progress);
    QString why;
    const QUrl url = ListUrl::Parse(source, &why);
    if (!url.isValid())
        return ExchangeData::Fail(tr("%1: %2").arg(source, why));
    // On this worker thread the fetch runs its own event loop; Stop reaches it through cancel.
    const FetchResult fetched = ListFetcher::Fetch(
        url, FetchOptions(), [progress](qint64 received, qint64 total) { ReadProgress::Report(progress, received, total); },
        progress ? &progress->cancel : nullptr);
    if (!fetched.Ok())
        return ExchangeData::Fail(tr("%1: %2").arg(source, fetched.error));
    ExchangeData data = fetched.list;
    if (fetched.source == FetchResult::Source::Cache)
        data.note = tr("The server's list could not be had (%1); this is the copy fetched %2 ago.")
                        .arg(fetched.warning, FetchResult::DescribeAge(fetched.AgeSeconds()));
    return data;
}

CPlanDlg::CPlanDlg(const DatabaseDocument &doc, Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_doc(doc),
      m_prompts(prompts)
{
    setWindowTitle(tr("Plan for a site"));

    m_site = new QLineEdit(this);
    m_site->setObjectName(QStringLiteral("planSite"));
    m_site->setPlaceholderText(tr("52.52,13.40 or 52.52N 13.40E"));
    m_site->setMaxLength(Site::MAX_TEXT);
    m_siteNote = new QLabel(this);
    m_siteNote->setWordWrap(true);
    m_siteNote->setTextFormat(Qt::PlainText); // it may quote what was typed
    m_minimum = new QDoubleSpinBox(this);
    m_minimum->setObjectName(QStringLiteral("planMinimum"));
    m_minimum->setRange(0.0, 90.0);
    m_minimum->setDecimals(0);
    m_minimum->setSuffix(tr(" degrees"));
    m_minimum->setKeyboardTracking(false);
    m_minimum->setValue(SettingsStore::ReadNumber(QString::fromLatin1(kMinimumKey),
                                                  int(LookAngles::DEFAULT_MINIMUM_ELEVATION)));
    m_minimum->setValue(qBound(0.0, m_minimum->value(), 90.0));
    m_options.minimumElevation = m_minimum->value();

    m_source = new QLineEdit(SettingsStore::ReadText(QString::fromLatin1(kSourceKey)), this);
    m_source->setObjectName(QStringLiteral("planSource"));
    m_source->setPlaceholderText(tr("satellites.xml or a CSV list"));
    // The published lists the settings offer (the weekly list unless others are named), as
    // their address is typed.
    auto *offered = new QCompleter(ListSources::Offered(), m_source);
    offered->setCaseSensitivity(Qt::CaseInsensitive);
    m_source->setCompleter(offered);
    auto *browse = new QPushButton(tr("&Browse..."), this);
    m_read = new QPushButton(tr("R&ead"), this);
    m_read->setObjectName(QStringLiteral("planRead"));
    m_stop = new QPushButton(tr("Sto&p"), this);
    m_stop->setObjectName(QStringLiteral("planStop"));
    m_readProgress = new QProgressBar(this);
    m_readProgress->setObjectName(QStringLiteral("planProgress"));
    m_readProgress->setRange(0, 1000);
    m_readProgress->setTextVisible(false);
    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(browse);
    sourceRow->addWidget(m_read);
    sourceRow->addWidget(m_readProgress);
    sourceRow->addWidget(m_stop);
    m_listNote = new QLabel(tr("No list read yet: the table shows the database's satellites."), this);
    m_listNote->setWordWrap(true);
    m_listNote->setTextFormat(Qt::PlainText); // it names the list

    auto *form = new QFormLayout;
    auto *siteLabel = new QLabel(tr("&Site:"), this);
    siteLabel->setBuddy(m_site);
    form->addRow(siteLabel, m_site);
    form->addRow(QString(), m_siteNote);
    auto *minimumLabel = new QLabel(tr("&Minimum elevation:"), this);
    minimumLabel->setBuddy(m_minimum);
    form->addRow(minimumLabel, m_minimum);
    auto *sourceLabel = new QLabel(tr("Sou&rce:"), this);
    sourceLabel->setBuddy(m_source);
    form->addRow(sourceLabel, sourceRow);
    form->addRow(QString(), m_listNote);

    m_model = new PlanTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("planTable"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto *tableLabel = new QLabel(tr("Sa&tellites (tick those the meter keeps; type a share to keep fewer "
                                     "or more of a satellite's transponders):"), this);
    tableLabel->setBuddy(m_table);

    m_satelliteGauge = new QProgressBar(this);
    m_satelliteGauge->setObjectName(QStringLiteral("planSatellites"));
    m_satelliteGauge->setRange(0, RegionPlan::MAX_SATELLITES);
    m_satelliteGauge->setFormat(tr("Satellites: %v of %m"));
    m_transponderGauge = new QProgressBar(this);
    m_transponderGauge->setObjectName(QStringLiteral("planTransponders"));
    m_transponderGauge->setRange(0, RegionPlan::MAX_TRANSPONDERS);
    m_transponderGauge->setFormat(tr("Transponders: %v of %m"));
    auto *gauges = new QHBoxLayout;
    gauges->addWidget(m_satelliteGauge);
    gauges->addWidget(m_transponderGauge);

    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("planPreview"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *previewLabel = new QLabel(tr("Pre&view:"), this);
    previewLabel->setBuddy(m_preview);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPlanDlg::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in a field must not import: only a click or Alt+I does.
    for (QPushButton *b : findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto *top = new QWidget(this);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(tableLabel);
    topLayout->addWidget(m_table, 1);
    topLayout->addLayout(gauges);
    auto *bottom = new QWidget(this);
    auto *bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addWidget(previewLabel);
    bottomLayout->addWidget(m_preview, 1);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(top);
    split->addWidget(bottom);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(split, 1);
    layout->addWidget(m_buttons);
    resize(900, 680);

    // The preview takes longer than the table: it follows a burst of ticks once, when it ends.
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(150);
    connect(m_previewTimer, &QTimer::timeout, this, &CPlanDlg::UpdatePreview);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this,
            [this] { m_readProgress->setValue(m_reading ? m_reading->Permille() : 0); });

    connect(m_model, &PlanTableModel::planChanged, this, [this] {
        UpdateTotals();
        m_previewTimer->start();
    });
    connect(m_site, &QLineEdit::editingFinished, this, &CPlanDlg::OnSite);
    connect(m_minimum, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        m_options.minimumElevation = value;
        SettingsStore::WriteText(QString::fromLatin1(kMinimumKey), QString::number(qRound(value)));
        Replan();
    });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = m_prompts.OpenFileName(tr("Receiver lists (*.xml *.csv);;All Files (*)"));
        if (!path.isEmpty()) {
            m_source->setText(path);
            StartReading();
        }
    });
    connect(m_read, &QPushButton::clicked, this, &CPlanDlg::StartReading);
    connect(m_source, &QLineEdit::returnPressed, this, &CPlanDlg::StartReading);
    connect(m_stop, &QPushButton::clicked, this, &CPlanDlg::StopReading);

    if (const std::optional<Site> kept = Site::ReadSetting())
        m_site->setText(kept->Display());
    ShowReading(false);
    OnSite();
}

CPlanDlg::~CPlanDlg()
{
    m_reading.reset(); // a reading still running is stopped and waited for
    // The table lets go of the plan before the plan goes, and tells this dialog nothing more.
    m_model->disconnect(this);
    m_model->SetPlan(nullptr);
}

void CPlanDlg::OnSite()
{
    const QString text = m_site->text().trimmed();
    if (text.isEmpty()) {
        m_siteNote->setText(tr("Type the site where the dishes stand."));
        return;
    }
    const Site::Parsed parsed = Site::Parse(text);
    if (!parsed.Ok()) {
        // The plan stays as it was until the site reads.
        m_siteNote->setText(parsed.error);
        return;
    }
    m_siteNote->setText(tr("%1, North and East positive.").arg(parsed.site->Display()));
    if (m_siteGiven && *parsed.site == m_options.site)
        return;
    m_options.site = *parsed.site;
    m_siteGiven = true;
    parsed.site->WriteSetting();
    Replan();
}

void CPlanDlg::Replan()
{
    if (!m_siteGiven)
        return;
    // The model lets go of the old plan before it goes.
    auto plan = std::make_unique<RegionPlan>(m_doc, m_list, m_options);
    m_model->SetPlan(plan.get());
    m_plan = std::move(plan);
    m_table->resizeColumnsToContents();
    UpdatePreview();
}

void CPlanDlg::SetList(std::vector<ExchangeSatellite> list)
{
    m_list = std::move(list);
    int transponders = 0;
    for (const ExchangeSatellite &s : m_list)
        transponders += int(s.transponders.size());
    m_listNote->setText(tr("%1: %2 satellites, %3 transponders.")
                            .arg(m_listName.isEmpty() ? tr("The list") : m_listName)
                            .arg(m_list.size())
                            .arg(transponders));
    Replan();
}

void CPlanDlg::UpdateTotals()
{
    // The plan never passes the meter's tables; the gauges are bounded all the same.
    const int satellites = m_plan ? m_plan->Satellites() : 0;
    const int transponders = m_plan ? m_plan->Transponders() : 0;
    m_satelliteGauge->setValue(qBound(0, satellites, RegionPlan::MAX_SATELLITES));
    m_transponderGauge->setValue(qBound(0, transponders, RegionPlan::MAX_TRANSPONDERS));
}

void CPlanDlg::UpdatePreview()
{
    m_previewTimer->stop();
    UpdateTotals();
    QPushButton *import = m_buttons->button(QDialogButtonBox::Ok);
    if (!m_plan) {
        m_preview->clear();
        import->setEnabled(false);
        return;
    }
    const RegionPreview preview = m_plan->Preview();
    m_preview->setPlainText(preview.Lines().join(QLatin1Char('\n')));
    import->setEnabled(!m_reading && !preview.import.Full()
                       && (!preview.removed.empty() || !preview.import.satellites.empty()));
}

void CPlanDlg::accept()
{
    // A site typed since that does not read: the plan shown is not for it, and the note says why.
    if (!Site::Parse(m_site->text().trimmed()).Ok())
        return;
    // The preview may lag a tick behind: Import goes by the plan as it is now.
    UpdatePreview();
    if (m_buttons->button(QDialogButtonBox::Ok)->isEnabled())
        QDialog::accept();
}

void CPlanDlg::StartReading()
{
    const QString source = m_source->text().trimmed();
    if (m_reading || source.isEmpty())
        return;
    m_listName = ListUrl::IsRemote(source) ? source : QFileInfo(source).fileName();
    m_reading = std::make_unique<Reading>(m_reader, source);
    connect(m_reading->Thread(), &QThread::finished, this, &CPlanDlg::OnReadingFinished);
    ShowReading(true);
    m_listNote->setText(tr("Reading %1...").arg(m_listName));
    m_reading->Thread()->start();
}

void CPlanDlg::StopReading()
{
    if (m_reading)
        m_reading->Cancel();
    m_stop->setEnabled(false);
}

void CPlanDlg::OnReadingFinished()
{
    if (!m_reading)
        return;
    const std::unique_ptr<Reading> reading = std::move(m_reading);
    ShowReading(false);
    if (reading->Cancelled()) {
        m_listNote->setText(tr("Reading stopped; the plan is as it was."));
        UpdatePreview();
        return;
    }
    ExchangeData data = reading->TakeData();
    if (!data.Ok()) {
        m_listNote->setText(tr("The list was not read; the plan is as it was."));
        UpdatePreview();
        m_prompts.Message(data.error, QString::fromLatin1(kAppTitle), Prompts::Icon::Warning);
        return;
    }
    SettingsStore::WriteText(QString::fromLatin1(kSourceKey), m_source->text().trimmed());
    SetList(std::move(data.satellites));
    if (!data.note.isEmpty())
        m_listNote->setText(m_listNote->text() + QLatin1Char(' ') + data.note);
}

void CPlanDlg::ShowReading(bool reading)
{
    m_readProgress->setVisible(reading);
    m_readProgress->setValue(0);
    m_stop->setVisible(reading);
    m_stop->setEnabled(reading);
    m_read->setEnabled(!reading);
    m_source->setReadOnly(reading);
    if (reading) {
        m_progressTimer->start();
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    } else {
        m_progressTimer->stop();
    }
}
