#pragma once

#include "exchange/ExchangeData.h"
#include "exchange/ReadProgress.h"
#include "region/RegionPlan.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class DatabaseDocument;
class PlanTableModel;
class Prompts;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

// "Plan for a site...": the site, the minimum elevation and a receiver list (a file, or a URL
// once published lists are fetched) make a region plan; its satellites are ticked and their
// shares set in the table, with the meter's capacity as two gauges and the plan's preview. The
// dialog only shapes the plan; the main window applies it when the dialog is accepted.
//
// The list is read on a worker thread with progress and Stop; a reading stopped, failed or
// still running when the dialog closes changes nothing. The site typed last is kept in the
// settings.
class CPlanDlg : public QDialog
{
    Q_OBJECT
public:
    // Reads a source into a list; runs on the worker thread and stops soon after progress asks.
    using ListReader = std::function<ExchangeData(const QString &source, ReadProgress *progress)>;
    // Files through the exchange readers; an http(s) address through the list fetcher, its cached
    // copy standing in (and said so in the list's note) when the server cannot be had.
    static ExchangeData ReadSource(const QString &source, ReadProgress *progress);

    CPlanDlg(const DatabaseDocument &doc, Prompts &prompts, QWidget *parent);
    ~CPlanDlg() override;

    void SetReader(ListReader reader) { m_reader = std::move(reader); }
    // Reads the source field's list (what R&ead does).
    void StartReading();
    bool IsReading() const { return m_reading != nullptr; }
    // A list as read, planned at once (what a reading ends with).
    void SetList(std::vector<ExchangeSatellite> list);

    // Null until a site is given.
    const RegionPlan *Plan() const { return m_plan.get(); }
    PlanTableModel *Model() const { return m_model; }
    QTableView *Table() const { return m_table; }
    QProgressBar *SatelliteGauge() const { return m_satelliteGauge; }
    QProgressBar *TransponderGauge() const { return m_transponderGauge; }
    QPlainTextEdit *PreviewText() const { return m_preview; }

    void accept() override;

private:
    class Reading;

    void OnSite();
    void Replan();
    void UpdateTotals();
    void UpdatePreview();
    void OnReadingFinished();
    void StopReading();
    void ShowReading(bool reading);

    const DatabaseDocument &m_doc;
    Prompts &m_prompts;
    ListReader m_reader = &CPlanDlg::ReadSource;
    std::vector<ExchangeSatellite> m_list;
    QString m_listName;
    RegionPlan::Options m_options;
    bool m_siteGiven = false;
    std::unique_ptr<RegionPlan> m_plan;
    std::unique_ptr<Reading> m_reading;

    QLineEdit *m_site = nullptr;
    QLabel *m_siteNote = nullptr;
    QDoubleSpinBox *m_minimum = nullptr;
    QLineEdit *m_source = nullptr;
    QPushButton *m_read = nullptr;
    QPushButton *m_stop = nullptr;
    QProgressBar *m_readProgress = nullptr;
    QLabel *m_listNote = nullptr;
    PlanTableModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QProgressBar *m_satelliteGauge = nullptr;
    QProgressBar *m_transponderGauge = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    QTimer *m_previewTimer = nullptr;
    QTimer *m_progressTimer = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
