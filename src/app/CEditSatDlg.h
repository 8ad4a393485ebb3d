#pragma once

#include "document/SatelliteValue.h"

#include <QDialog>
#include <QString>

class Prompts;
class QLineEdit;
class QPushButton;

// "Edit Saillite": the name and orbital position of one satellite, for "Add SAT" and for a
// double-click in the satellite list. Opened with the satellite's value; after OK, Satellite()
// is the value entered (slot unchanged). Cancel and a refused OK leave the value as it was.
class CEditSatDlg : public QDialog
{
    Q_OBJECT
public:
    // Editing a stored satellite shows degrees = position x 0.1; a satellite being added is
    // offered in whole degrees, position / 10.
    enum class Offer { Tenths, WholeDegrees };

    CEditSatDlg(Prompts &prompts, const SatelliteValue &value, Offer offer = Offer::Tenths,
                QWidget *parent = nullptr);

    int DoModal() { return exec(); }
    const SatelliteValue &Satellite() const { return m_value; }

    QLineEdit *NameEdit() const { return m_nameEdit; }
    QLineEdit *DegreeEdit() const { return m_degreeEdit; }
    QPushButton *OkButton() const { return m_okButton; }

public slots:
    void accept() override; // OK, Enter: OnOK
    void OnOK();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // false: the values into the boxes; true: the boxes into the values, checked in order.
    bool DoDataExchange(bool save);
    void Refuse(QLineEdit *box, const QString &text);

    Prompts &m_prompts;
    SatelliteValue m_value;
    // Exchanged with the boxes, as shown and entered.
    float m_degree = 0.0f;
    QString m_name;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_degreeEdit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
