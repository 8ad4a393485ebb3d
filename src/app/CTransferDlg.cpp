#include "app/CTransferDlg.h"

#include "common/Prompts.h"
#include "protocol/MeterLink.h"
#include "protocol/TransferLogFolder.h"
#include "serial/ComDeviceMap.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The rate line changes at most this often, however fast the chunks come.
constexpr int kRateRefreshMs = 250;

QString LogName(TransferKind kind)
{
    switch (kind) {
    case TK_LOAD_SOFTWARE:
    case TK_LOAD_8:
        return QStringLiteral("load");
    case TK_WRITE_PARAMS:
        return QStringLiteral("write");
    default:
        return QStringLiteral("read");
    }
}

} // namespace

CTransferDlg::CTransferDlg(Prompts &prompts, QWidget *parent) : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(tr("transfering data"));
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_text = new QLabel(this);
    m_text->setAlignment(Qt::AlignCenter);
    m_rate = new QLabel(this);
    m_rate->setObjectName(QStringLiteral("rateLabel"));
    m_rate->setAlignment(Qt::AlignCenter);
    m_rateTimer = new QTimer(this);
    m_rateTimer->setInterval(kRateRefreshMs);
    connect(m_rateTimer, &QTimer::timeout, this, &CTransferDlg::ShowRate);
    m_button = new QPushButton(tr("Cancel"), this);
    m_button->setDefault(true);
    connect(m_button, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_progress);
    layout->addWidget(m_text);
    layout->addWidget(m_rate);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_button);
    row->addStretch();
    layout->addLayout(row);
    setMinimumWidth(360);

    connect(this, &CTransferDlg::workerEnded, this, &CTransferDlg::OnWorkerEnded);
}

void CTransferDlg::SetTransfer(TransferKind kind, const QString &path, int portNumber)
{
    m_kind = kind;
    m_path = path;
    m_portNumber = portNumber;
}

CTransferDlg::~CTransferDlg()
{
    StopWorker();
    ClosePort(); // after the worker has gone
}

bool CTransferDlg::OnInitDialog()
{
    if (m_initialised)
        return m_port.IsOpen();
    m_initialised = true;
    const QString device = m_devicePath.isEmpty() ? ComDeviceMap::Resolve(m_portNumber) : m_devicePath;
    if (!OpenMeterPort(m_port, device, m_prompts)) {
        m_prompts.Message(tr("com%1 connect failure").arg(m_portNumber), kAppTitle);
        emit portFailed(device, m_port.OpenFailure());
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }
    if (!HasWorker(m_kind))
        return true; // the dialog waits for its button
    TransferJob job;
    job.kind = m_kind;
    job.path = m_path;
    job.port = &m_port;
    job.prompts = &m_prompts;
    job.host = this;
    job.stop = &m_stop;
    job.log = &m_log;
    m_log.Note(QStringLiteral("port com%1 (%2)").arg(m_portNumber).arg(device));
    m_clock.start();
    m_estimate.Start(0);
    job.identityWord = &m_identityWord;
    m_thread = std::thread([this, job] {
        RunTransfer(job);
        // Kept whatever happened, and never in the way: a folder we cannot write costs no message.
        TransferLogFolder::Keep(m_log, LogName(job.kind));
        m_workerEnded.store(true);
        QMetaObject::invokeMethod(this, &CTransferDlg::workerEnded, Qt::QueuedConnection);
    });
    return true;
}

int CTransferDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void CTransferDlg::done(int result)
{
    if (m_closing)
        return;
    m_closing = true;
    m_closeResult = result;
    if (m_thread.joinable() && !m_workerEnded.load()) {
        // Wake the worker and finish when it has gone; waiting here could hold up a message
        // box it is showing through us.
        m_closePending = true;
        m_stop.Request(m_port);
        return;
    }
    FinishClose();
}

void CTransferDlg::OnWorkerEnded()
{
    ShowFinalRate();
    if (m_closePending) {
        m_closePending = false;
        FinishClose();
    }
}

void CTransferDlg::FinishClose()
{
    if (m_thread.joinable())
        m_thread.join(); // it has ended: this returns at once
    ClosePort();
    QDialog::done(m_closeResult);
}

void CTransferDlg::ClosePort()
{
    if (m_port.IsOpen()) {
        m_port.Close();
        ShowLineError(m_port, m_prompts);
    }
}

void CTransferDlg::StopWorker()
{
    if (!m_thread.joinable())
        return;
    m_stop.Request(m_port);
    // Destroyed with the worker still there. It may be waiting on this thread (a message box):
    // keep events flowing until it has ended, never block in join() before that.
    if (!m_workerEnded.load()) {
        QEventLoop loop;
        connect(this, &CTransferDlg::workerEnded, &loop, &QEventLoop::quit);
        if (!m_workerEnded.load())
            loop.exec();
    }
    m_thread.join();
}

// The worker's calls arrive on its own thread; they are queued onto ours and never wait, so a
// worker cannot hang on a dialog that is closing. Queued calls keep their order.
void CTransferDlg::SetProgress(int percent)
{
    QMetaObject::invokeMethod(this, [this, percent] {
        if (m_stop.Requested())
            return;
        m_progress->setValue(percent);
        emit progressChanged(percent);
    }, Qt::QueuedConnection);
}

void CTransferDlg::SetProgressText(const QString &text)
{
    QMetaObject::invokeMethod(this, [this, text] {
        if (m_stop.Requested())
            return;
        m_text->setText(text);
        emit progressTextChanged(text);
    }, Qt::QueuedConnection);
}

void CTransferDlg::SetBytesMoved(int64_t done, int64_t total)
{
    QMetaObject::invokeMethod(this, [this, done, total] {
        if (m_stop.Requested())
            return;
        m_estimate.Update(done, total, m_clock.elapsed());
        // The first figures at once, then the timer's pace.
        if (!m_rateTimer->isActive()) {
            ShowRate();
            m_rateTimer->start();
        }
    }, Qt::QueuedConnection);
}

void CTransferDlg::ShowRate()
{
    m_rate->setText(m_estimate.Describe(m_clock.elapsed()));
}

void CTransferDlg::ShowFinalRate()
{
    // The timer shows figures a quarter second late: at the end, the last report's stand.
    m_rateTimer->stop();
    if (m_estimate.Known())
        m_rate->setText(m_estimate.Final());
}

void CTransferDlg::TransferDone(const TransferOutcome &outcome)
{
    QMetaObject::invokeMethod(this, [this, outcome] { OnTransferDone(outcome); }, Qt::QueuedConnection);
}

// A failure's box was shown by the worker as it happened, before its FT_END went out; the
// result of a transfer that worked is shown here.
void CTransferDlg::OnTransferDone(const TransferOutcome &outcome)
{
    if (m_stop.Requested() || m_closing)
        return;
    m_succeeded = outcome.Succeeded();
    ShowFinalRate();
    if (m_succeeded && !outcome.Message().isEmpty())
        m_prompts.Message(outcome.Message(), outcome.Caption(), Prompts::Icon::None);
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}
