#include "app/CCompareDlg.h"

#include "document/DatabaseDiff.h"
#include "document/DatabaseDiffText.h"
#include "document/DatabaseDocument.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CCompareDlg::CCompareDlg(const DatabaseDocument &open, const DatabaseDocument &other, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Compare with %1").arg(QFileInfo(other.Path()).fileName()));
    m_report = DatabaseDiffText::Lines(DatabaseDiff::Compare(open, other)).join(QLatin1Char('\n'));

    // The open database as applied: rows not applied yet in the transponder list are not in it.
    auto *heading = new QLabel(
        tr("From the open database (as last applied) to %1:").arg(other.Path()), this);
    heading->setWordWrap(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("compareText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (m_report.isEmpty())
        m_text->setPlaceholderText(tr("No differences."));
    m_text->setPlainText(m_report);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(620, 420);
}
