#pragma once

#include <QDialog>

class DatabaseDocument;
class QPlainTextEdit;

// "Compare with file...": what differs from the open database to another file, as
// orbivane-cli diff says it. A window of its own beside the main one, so that both can be read
// side by side; it shows the comparison made when it opened and does not follow later edits.
class CCompareDlg : public QDialog
{
    Q_OBJECT
public:
    CCompareDlg(const DatabaseDocument &open, const DatabaseDocument &other, QWidget *parent);

    // The report, one change a line; empty when nothing differs.
    QString Report() const { return m_report; }

private:
    QString m_report;
    QPlainTextEdit *m_text = nullptr;
};
