#pragma once

#include "serial/PortDiagnosis.h"

#include <QLabel>

// The port doctor's line under the port selector: why the chosen port does not reach the meter,
// with a "Details..." link to the remedy. Empty and hidden while the port works.
class PortStatusLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PortStatusLabel(QWidget *parent = nullptr);

    void Show(const PortDiagnosis &diagnosis);
    const PortDiagnosis &Diagnosis() const { return m_diagnosis; }

signals:
    void detailsRequested();

private:
    PortDiagnosis m_diagnosis;
};
