#include "app/PortStatusLabel.h"

#include <QTextDocument>

PortStatusLabel::PortStatusLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("portStatus"));
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkActivated, this, &PortStatusLabel::detailsRequested);
    setVisible(false);
}

void PortStatusLabel::Show(const PortDiagnosis &diagnosis)
{
    m_diagnosis = diagnosis;
    if (!diagnosis) {
        clear();
        setVisible(false);
        return;
    }
    setText(tr("<span style=\"color:#b00020\">\u26a0</span> %1 &nbsp;<a href=\"details\">Details...</a>")
                .arg(diagnosis.status.toHtmlEscaped()));
    setToolTip(Qt::convertFromPlainText(diagnosis.remedy)); // process and product names are not markup
    setVisible(true);
}
