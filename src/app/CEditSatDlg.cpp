#include "app/CEditSatDlg.h"

#include "common/Prompts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int kPositionMask = 0xFFF; // the record's position field is 12 bits wide
constexpr float kMaxDegrees = 360.0f;
} // namespace

CEditSatDlg::CEditSatDlg(Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Edit Saillite"));

    auto *group = new QGroupBox(QStringLiteral("Please Edit satillite"), this);
    m_nameEdit = new QLineEdit(group);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setMaxLength(kNameBytes);
    m_degreeEdit = new QLineEdit(group);
    m_degreeEdit->setObjectName(QStringLiteral("degreeEdit"));
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("Sat name"), m_nameEdit);
    form->addRow(QStringLiteral("degree(0 - 360)"), m_degreeEdit);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
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

void CEditSatDlg::LoadRecord(const QByteArray &nameField, int position)
{
    m_name = NameFromField(nameField);
    m_degree = DegreesFromPosition(position);
    m_nameField = FieldFromName(m_name);
    m_position = position & kPositionMask;
}

void CEditSatDlg::LoadNewRecord(const QByteArray &nameField, int position)
{
    m_name = NameFromField(nameField);
    m_degree = WholeDegreesFromPosition(position);
    m_nameField = FieldFromName(m_name);
    m_position = position & kPositionMask;
}

float CEditSatDlg::DegreesFromPosition(int position)
{
    // A float product, so that the shown value converts back to the same tenths.
    return float(position) * 0.1f;
}

float CEditSatDlg::WholeDegreesFromPosition(int position)
{
    // A new satellite is offered in whole degrees.
    return float(position / 10); // NOLINT(bugprone-integer-division)
}

int CEditSatDlg::PositionFromDegrees(float degrees)
{
    const float tenths = degrees * 10.0f;
    // Only validated values (0 up to below 361) reach here; anything a cast cannot hold is 0.
    if (!std::isfinite(tenths) || std::fabs(tenths) >= 2147483520.0f)
        return 0;
    return int(tenths) & kPositionMask;
}

QString CEditSatDlg::FormatDegrees(float degrees)
{
    return QString::number(double(degrees), 'g', 6);
}

QString CEditSatDlg::NameFromField(const QByteArray &field)
{
    QByteArray bytes = field.left(kNameBytes);
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromLatin1(bytes);
}

QByteArray CEditSatDlg::FieldFromName(const QString &name)
{
    QByteArray field = name.left(kNameBytes).toLatin1();
    field.truncate(kNameBytes);
    field.append(QByteArray(kNameBytes - field.size(), '\0'));
    return field;
}

bool CEditSatDlg::IsStorableName(const QString &name)
{
    for (QChar c : name) {
        if (c.unicode() > 0xFF || c.unicode() == 0)
            return false;
    }
    return true;
}

QString CEditSatDlg::NumberPrompt()
{
    return QStringLiteral("Please enter a number.");
}

QString CEditSatDlg::RangePrompt()
{
    return QStringLiteral("Please enter a number between 0 and 360.");
}

QString CEditSatDlg::NameLengthPrompt()
{
    return QStringLiteral("Please enter no more than 16 characters.");
}

QString CEditSatDlg::NameCharsPrompt()
{
    return QStringLiteral("The satellite name can only hold Latin-1 characters "
                          "(letters, digits and the common signs of Western European languages).");
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
        m_prompts.Message(QStringLiteral("Please input a satillite name."), kAppTitle);
        m_nameEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!DoDataExchange(true))
        return;
    m_nameField = FieldFromName(m_name);
    m_position = PositionFromDegrees(m_degree);
    QDialog::accept();
}

bool CEditSatDlg::DoDataExchange(bool save)
{
    if (!save) {
        m_degreeEdit->setText(FormatDegrees(m_degree));
        m_nameEdit->setText(m_name.left(kNameBytes));
        return true;
    }

    // Degrees first: a decimal number, blanks around it allowed.
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?[ \\t]*$"));
    const QString degreeText = m_degreeEdit->text();
    if (!number.match(degreeText).hasMatch()) {
        Refuse(m_degreeEdit, NumberPrompt());
        return false;
    }
    const float degrees = float(degreeText.trimmed().toDouble());
    // Whole degrees 0..360, so up to 360.9. A negative fraction such as -0.5 would pass a check
    // of the truncated value alone and wrap round to 409.1 degrees in the 12-bit field.
    if (!std::isfinite(degrees) || degrees < 0.0f || std::trunc(degrees) > kMaxDegrees) {
        Refuse(m_degreeEdit, RangePrompt());
        return false;
    }
    m_degree = degrees;

    const QString name = m_nameEdit->text();
    if (name.size() > kNameBytes) {
        Refuse(m_nameEdit, NameLengthPrompt());
        return false;
    }
    // The field holds one byte per character: refuse what would not come back as typed.
    if (!IsStorableName(name)) {
        Refuse(m_nameEdit, NameCharsPrompt());
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
