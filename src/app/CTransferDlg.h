#pragma once

#include "protocol/Transfer.h"
#include "protocol/TransferEstimate.h"
#include "protocol/TransferLog.h"
#include "serial/CComPort.h"

#include <QDialog>
#include <QElapsedTimer>

#include <atomic>
#include <thread>

class Prompts;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The small modal dialog of one transfer with the meter: opens the port, runs the worker of its
// kind on a thread of its own, shows the worker's progress and, at the end, the result.
// Its button, Escape and the close box stop the worker at once; the dialog finishes closing when
// the worker has ended (its event loop never blocks meanwhile, so a worker waiting for a message
// box still gets it), and only then closes the port. No thread outlives the dialog.
// Under the progress text a line tells the bytes moved, the rate and the time left, and every
// transfer leaves its log in the logs folder (TransferLogFolder).
class CTransferDlg : public QDialog, private TransferHost
{
    Q_OBJECT
public:
    explicit CTransferDlg(Prompts &prompts, QWidget *parent = nullptr);
    ~CTransferDlg() override;

    // What the dialog transfers, with which file, on COM<portNumber>; set before it runs.
    void SetTransfer(TransferKind kind, const QString &path, int portNumber);
    const QString &Path() const { return m_path; }
    // Opens this device instead of the one COM<m_portNumber> stands for.
    void SetDevicePath(const QString &path) { m_devicePath = path; }

    // Opens the port and starts the worker; exec() does this itself. False when the port could
    // not be opened (the dialog then closes as soon as its event loop runs).
    bool OnInitDialog();
    int exec() override;
    void done(int result) override;

    bool WorkerRunning() const { return m_thread.joinable() && !m_workerEnded.load(); }
    bool Succeeded() const { return m_succeeded; }
    // A read's meter, from its FT_IDENT; 0 before it greeted. Read it once the worker has ended.
    uint32_t IdentityWord() const { return m_identityWord; }
    QProgressBar *ProgressBar() const { return m_progress; }
    QLabel *ProgressLabel() const { return m_text; }
    QLabel *RateLabel() const { return m_rate; }
    QPushButton *Button() const { return m_button; }

signals:
    void progressChanged(int percent);
    void progressTextChanged(const QString &text);
    void workerEnded();
    // The port did not open (after "com%d connect failure"): which device, and the open's errno.
    void portFailed(const QString &device, int openFailure);

private:
    void SetProgress(int percent) override;
    void SetProgressText(const QString &text) override;
    void TransferDone(const TransferOutcome &outcome) override;
    void SetBytesMoved(int64_t done, int64_t total) override;
    void OnTransferDone(const TransferOutcome &outcome);
    void OnWorkerEnded();
    void ShowRate();
    void ShowFinalRate();
    void FinishClose();
    void StopWorker();
    void ClosePort();

    Prompts &m_prompts;
    QString m_path;
    int m_portNumber = 0;
    TransferKind m_kind = TK_READ_PARAMS;
    QString m_devicePath;
    CComPort m_port;
    TransferStop m_stop;
    std::thread m_thread;
    std::atomic<bool> m_workerEnded{false};
    bool m_initialised = false;
    bool m_closing = false;
    bool m_closePending = false;
    int m_closeResult = 0;
    bool m_succeeded = false;
    uint32_t m_identityWord = 0;
    QProgressBar *m_progress = nullptr;
    QLabel *m_text = nullptr;
    QLabel *m_rate = nullptr;
    QPushButton *m_button = nullptr;
    QTimer *m_rateTimer = nullptr;
    QElapsedTimer m_clock;
    TransferEstimate m_estimate;
    TransferLog m_log;
};
