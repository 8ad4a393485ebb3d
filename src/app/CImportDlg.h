#pragma once

#include "exchange/ImportPlan.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

// "Import...": the satellites of a receiver list, to tick and set up one by one (replace or
// merge, which database satellite each goes to), the tolerance for matching transponders, and
// the preview of what Import would do, kept current with every choice. The dialog only shapes
// the plan; the main window applies it when the dialog is accepted.
class CImportDlg : public QDialog
{
    Q_OBJECT
public:
    enum Column { COL_TAKE, COL_NAME, COL_POSITION, COL_TRANSPONDERS, COL_MODE, COL_TARGET, COL_COUNT };

    CImportDlg(ImportPlan plan, const QString &fileName, QWidget *parent);

    const ImportPlan &Plan() const { return m_plan; }
    QTableWidget *Table() const { return m_table; }
    QLineEdit *Filter() const { return m_filter; }
    QSpinBox *Tolerance() const { return m_tolerance; }
    QPlainTextEdit *PreviewText() const { return m_preview; }

private:
    void FillTable();
    void OnItemChanged(int row, int column);
    void OnFilter(const QString &text);
    void UpdatePreview();

    ImportPlan m_plan;
    QLineEdit *m_filter = nullptr;
    QSpinBox *m_tolerance = nullptr;
    QTableWidget *m_table = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    QLabel *m_summary = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
