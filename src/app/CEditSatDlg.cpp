#include "app/CEditSatDlg.h"

#include "common/Prompts.h"
#include "document/SatelliteConversions.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using SC = SatelliteConversions;

CEditSatDlg::CEditSatDlg(Prompts &prompts, const SatelliteValue &value, Offer offer,
                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_prompts(prompts),
      m_value(value),
      m_degree(offer == Offer::WholeDegrees ? SC::WholeDegreesFromPosition(value.position)
                                            : SC::DegreesFromPosition(value.position)),
      m_name(value.name)
{
    m_value.position &= SC::POSITION_MASK;
    setWindowTitle(tr("Edit Saillite"));

    auto *group = new QGroupBox(tr("Please Edit satillite"), this);
    m_nameEdit = new QLineEdit(group);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(SC::NAME_BYTES);
    m_degreeEdit = new QLineEdit(group);
    m_degreeEdit->setObjectName(QStringLiteral("degreeEdit"));
    auto *form = new QFormLayout(group);
    form->addRow(tr("Sat name"), m_nameEdit);
    form->addRow(tr("degree(0 - 360)"), m_degreeEdit);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    connect(m_okButton, &QPushButton::clicked, this, &CEditSatDlg::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &CEditSatDlg::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();

    auto *top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addLayout(buttons);

    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_nameEdit);
    setTabOrder(m_nameEdit, m_degreeEdit);
    setMinimumWidth(300);
}

void CEditSatDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        DoDataExchange(false);
        m_okButton->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void CEditSatDlg::accept()
{
    OnOK();
}

void CEditSatDlg::OnOK()
{
    if (m_nameEdit->text().isEmpty()) {
        m_prompts.Message(SC::CheckText(SC::Check::Empty), kAppTitle);
        m_nameEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!DoDataExchange(true))
        return;
    m_value.name = m_name;
    m_value.position = SC::PositionFromDegrees(m_degree);
    QDialog::accept();
}

bool CEditSatDlg::DoDataExchange(bool save)
{
    if (!save) {
        m_degreeEdit->setText(SC::FormatDegrees(m_degree));
        m_nameEdit->setText(m_name.left(SC::NAME_BYTES));
        return true;
    }

    // Degrees first; they are taken even when the name is refused after them.
    float degrees = 0.0f;
    SC::Check check = SC::CheckDegrees(m_degreeEdit->text(), degrees);
    if (check != SC::Check::Ok) {
        Refuse(m_degreeEdit, SC::CheckText(check));
        return false;
    }
    m_degree = degrees;

    const QString name = m_nameEdit->text();
    check = SC::CheckName(name);
    if (check != SC::Check::Ok) {
        Refuse(m_nameEdit, SC::CheckText(check));
        return false;
    }
    m_name = name;
    return true;
}

void CEditSatDlg::Refuse(QLineEdit *box, const QString &text)
{
    m_prompts.Message(text, kAppTitle, Prompts::Icon::Warning);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
