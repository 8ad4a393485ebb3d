#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

class Prompts;
class QLineEdit;
class QPushButton;

// "Edit Saillite": the name and orbital position of one satellite, for "Add SAT" and for a
// double-click in the satellite list. The caller fills the members (directly, or from the
// record's fields with LoadRecord/LoadNewRecord), runs DoModal() and, after OK, writes
// m_nameField and m_position back into the record.
class CEditSatDlg : public QDialog
{
    Q_OBJECT
public:
    // Size of the record's name field; a shorter name is followed by a zero byte.
    static constexpr int kNameBytes = 16;

    explicit CEditSatDlg(Prompts &prompts, QWidget *parent = nullptr);

    // Editing a stored satellite: degrees = position x 0.1.
    void LoadRecord(const QByteArray &nameField, int position);
    // A satellite being added: degrees = position / 10, whole degrees.
    void LoadNewRecord(const QByteArray &nameField, int position);

    int DoModal() { return exec(); }

    // Exchanged with the boxes, as shown and entered.
    float m_degree = 0.0f;
    QString m_name;
    // What OK leaves for the record: the 16 name bytes and the position in tenths of a degree
    // (12 bits). Untouched by Cancel and by a refused OK.
    QByteArray m_nameField = QByteArray(kNameBytes, '\0');
    int m_position = 0;

    // Conversions between the record and the dialog.
    static float DegreesFromPosition(int position);
    static float WholeDegreesFromPosition(int position);
    static int PositionFromDegrees(float degrees);
    static QString FormatDegrees(float degrees);
    // The name up to its first zero byte, at most 16 bytes, one character per byte.
    static QString NameFromField(const QByteArray &field);
    // Exactly 16 bytes. Characters beyond Latin-1 (which OK refuses) would become '?'.
    static QByteArray FieldFromName(const QString &name);
    // Whether every character fits one byte of the name field.
    static bool IsStorableName(const QString &name);

    QLineEdit *NameEdit() const { return m_nameEdit; }
    QLineEdit *DegreeEdit() const { return m_degreeEdit; }
    QPushButton *OkButton() const { return m_okButton; }

    // Texts of the validation prompts.
    static QString NumberPrompt();
    static QString RangePrompt();
    static QString NameLengthPrompt();
    static QString NameCharsPrompt();

public slots:
    void accept() override; // OK, Enter: OnOK
    void OnOK();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // false: members into the boxes; true: boxes into the members, validated in order.
    bool DoDataExchange(bool save);
    void Refuse(QLineEdit *box, const QString &text);

    Prompts &m_prompts;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_degreeEdit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
