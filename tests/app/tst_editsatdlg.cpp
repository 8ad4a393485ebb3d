// The satellite dialog: what it shows, what OK leaves for the record, and every refusal.
#include "RecordingPrompts.h"

#include "app/CEditSatDlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray Field(const char *name)
{
    QByteArray field(name);
    field.append(QByteArray(CEditSatDlg::kNameBytes - field.size(), '\0'));
    return field;
}

QWidget *NextTabStop(QWidget *from)
{
    QWidget *w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
}

// A dialog opened as the editing command would open it, with one satellite's record.
struct OpenDialog {
    OpenDialog(const QByteArray &name, int position, bool adding = false) : dlg(prompts)
    {
        if (adding)
            dlg.LoadNewRecord(name, position);
        else
            dlg.LoadRecord(name, position);
        dlg.show();
    }
    // Types into the boxes (replacing their text) and presses OK.
    void Enter(const QString &name, const QString &degrees)
    {
        dlg.NameEdit()->setText(name);
        dlg.DegreeEdit()->setText(degrees);
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    }
    bool Accepted() const { return !dlg.isVisible() && dlg.result() == QDialog::Accepted; }
    // Still open, and the record values are those it was opened with.
    bool Kept(const QByteArray &field, int position) const
    {
        return dlg.isVisible() && dlg.m_nameField == field && dlg.m_position == position;
    }

    RecordingPrompts prompts;
    CEditSatDlg dlg;
};

} // namespace

class TestEditSatDlg : public QObject
{
    Q_OBJECT
private slots:
    void opensWithRecordAndFocusOnOk()
    {
        OpenDialog open(Field("ASTRA 1KR"), 127);
        QCOMPARE(open.dlg.windowTitle(), QStringLiteral("Edit Saillite"));
        QCOMPARE(open.dlg.findChild<QGroupBox *>()->title(), QStringLiteral("Please Edit satillite"));
        QCOMPARE(open.dlg.NameEdit()->text(), QStringLiteral("ASTRA 1KR"));
        QCOMPARE(open.dlg.DegreeEdit()->text(), QStringLiteral("12.7"));
        QCOMPARE(open.dlg.focusWidget(), open.dlg.OkButton());
        QVERIFY(open.dlg.OkButton()->isDefault());
        // Tab order: OK, Cancel, name, degrees.
        QWidget *cancel = NextTabStop(open.dlg.OkButton());
        QCOMPARE(qobject_cast<QPushButton *>(cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(NextTabStop(cancel), open.dlg.NameEdit());
        QCOMPARE(NextTabStop(open.dlg.NameEdit()), open.dlg.DegreeEdit());
        QCOMPARE(NextTabStop(open.dlg.DegreeEdit()), open.dlg.OkButton());
        QTest::mouseClick(open.dlg.OkButton(), Qt::LeftButton);
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.m_position, 127);
        QCOMPARE(open.dlg.m_nameField, Field("ASTRA 1KR"));
        QCOMPARE(open.prompts.MessageCount(), 0);

        // A new satellite shows whole degrees.
        OpenDialog fresh(Field("New satillite"), 1305, true);
        QCOMPARE(fresh.dlg.DegreeEdit()->text(), QStringLiteral("130"));
        QCOMPARE(fresh.dlg.NameEdit()->text(), QStringLiteral("New satillite"));
    }

    void typedDegrees_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tenths"); // -1: refused with `prompt`
        QTest::addColumn<QString>("prompt");
        const QString number = CEditSatDlg::NumberPrompt();
        const QString range = CEditSatDlg::RangePrompt();
        QTest::newRow("130.5") << "130.5" << 1305 << QString();
        QTest::newRow("360.5 passes, its whole degrees are 360") << "360.5" << 3605 << QString();
        QTest::newRow("blanks around") << "  19.2\t" << 192 << QString();
        QTest::newRow("exponent") << "1.3e2" << 1300 << QString();
        QTest::newRow("hundredths are cut") << "12.79" << 127 << QString();
        QTest::newRow("361") << "361" << -1 << range;
        QTest::newRow("-1") << "-1" << -1 << range;
        QTest::newRow("-0.5 would wrap round the 12-bit field") << "-0.5" << -1 << range;
        QTest::newRow("beyond float") << "1e40" << -1 << range;
        QTest::newRow("letters") << "east" << -1 << number;
        QTest::newRow("trailing letters") << "19.2E" << -1 << number;
        QTest::newRow("comma") << "19,2" << -1 << number;
        QTest::newRow("nan") << "nan" << -1 << number;
    }

    void typedDegrees()
    {
        QFETCH(QString, typed);
        QFETCH(int, tenths);
        QFETCH(QString, prompt);
        OpenDialog open(Field("SAT"), 192);
        open.Enter(QStringLiteral("Renamed"), typed);
        if (tenths >= 0) {
            QCOMPARE(open.prompts.MessageTexts(), QStringList{});
            QVERIFY(open.Accepted());
            QCOMPARE(open.dlg.m_position, tenths);
            return;
        }
        QCOMPARE(open.prompts.MessageTexts(), QStringList{prompt});
        QCOMPARE(open.prompts.Messages().front().caption, QStringLiteral("Orbivane"));
        QCOMPARE(open.dlg.focusWidget(), open.dlg.DegreeEdit());
        // Nothing after the failing step was exchanged, nothing reaches the record.
        QCOMPARE(open.dlg.m_name, QStringLiteral("SAT"));
        QCOMPARE(open.dlg.m_degree, CEditSatDlg::DegreesFromPosition(192));
        QVERIFY(open.Kept(Field("SAT"), 192));
        // Corrected, the same dialog closes with the new values.
        open.Enter(QStringLiteral("Renamed"), QStringLiteral("28.2"));
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.m_position, 282);
        QCOMPARE(open.dlg.m_nameField, Field("Renamed"));
    }

    void everyPositionSurvivesUnchangedOk()
    {
        // Every position the range check lets through comes back as it was when the shown text
        // is confirmed unchanged; a drift of one tenth would move satellites on every edit.
        for (int position = 0; position <= 3609; ++position) {
            const QString shown = CEditSatDlg::FormatDegrees(CEditSatDlg::DegreesFromPosition(position));
            const int back = CEditSatDlg::PositionFromDegrees(float(shown.toDouble()));
            if (back != position)
                QFAIL(qPrintable(QStringLiteral("%1 shown as %2 comes back as %3").arg(position).arg(shown).arg(back)));
        }
        OpenDialog open(Field("SAT"), 3605);
        QCOMPARE(open.dlg.DegreeEdit()->text(), QStringLiteral("360.5"));
        QTest::mouseClick(open.dlg.OkButton(), Qt::LeftButton);
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.m_position, 3605);
    }

    void checksComeInOrder()
    {
        // An empty name is the one prompt, even with degrees that would be refused.
        OpenDialog open(Field("HOTBIRD"), 130);
        open.Enter(QString(), QStringLiteral("999"));
        QCOMPARE(open.prompts.MessageTexts(), QStringList{"Please input a satillite name."});
        QCOMPARE(open.dlg.focusWidget(), open.dlg.NameEdit());
        QCOMPARE(open.dlg.m_degree, CEditSatDlg::DegreesFromPosition(130));
        QVERIFY(open.Kept(Field("HOTBIRD"), 130));
        // Then the degrees, then the name's characters; valid degrees are exchanged before the
        // name is refused, and the record values stay.
        open.prompts.Clear();
        open.Enter(QStringLiteral("Sat \u2605"), QStringLiteral("abc"));
        open.Enter(QStringLiteral("Sat \u2605"), QStringLiteral("7.5"));
        QCOMPARE(open.prompts.MessageTexts(), (QStringList{CEditSatDlg::NumberPrompt(), CEditSatDlg::NameCharsPrompt()}));
        QCOMPARE(open.dlg.focusWidget(), open.dlg.NameEdit());
        QCOMPARE(open.dlg.m_degree, 7.5f);
        QVERIFY(open.Kept(Field("HOTBIRD"), 130));
        // Blanks are a name.
        open.Enter(QStringLiteral(" "), QStringLiteral("13"));
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.m_nameField, Field(" "));
    }

    void nameFieldHoldsSixteenBytes()
    {
        OpenDialog open(Field("A"), 0);
        open.dlg.NameEdit()->clear();
        QTest::keyClicks(open.dlg.NameEdit(), QStringLiteral("ABCDEFGHIJKLMNOPQ"));
        QCOMPARE(open.dlg.NameEdit()->text(), QStringLiteral("ABCDEFGHIJKLMNOP")); // no 17th
        QTest::mouseClick(open.dlg.OkButton(), Qt::LeftButton);
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.m_nameField, QByteArray("ABCDEFGHIJKLMNOP")); // no terminating zero
        // A full field is read as exactly its 16 bytes, whatever follows it.
        QCOMPARE(CEditSatDlg::NameFromField(QByteArray("ABCDEFGHIJKLMNOPxyz")), QStringLiteral("ABCDEFGHIJKLMNOP"));
        OpenDialog full(QByteArray("ABCDEFGHIJKLMNOP"), 0);
        QCOMPARE(full.dlg.NameEdit()->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(CEditSatDlg::FieldFromName(QString(40, QChar('x'))), QByteArray(16, 'x'));
        QCOMPARE(CEditSatDlg::FieldFromName(QString(20, QChar(0x2605))).size(), 16);
        QCOMPARE(CEditSatDlg::FieldFromName(QString()), QByteArray(16, '\0'));
    }

    void namesAreLatin1()
    {
        for (const QString &name : {QStringLiteral("T\u00fcrksat \u2605"), QStringLiteral("Sat \U0001F6F0")}) {
            OpenDialog open(Field("SAT"), 100);
            open.Enter(name, QStringLiteral("10"));
            QCOMPARE(open.prompts.MessageTexts(), QStringList{CEditSatDlg::NameCharsPrompt()});
            QVERIFY(open.Kept(Field("SAT"), 100));
        }
        // Bytes above 127 read from a file show as their Latin-1 characters and are stored again
        // unchanged when the user only changes the position.
        const QByteArray stored = Field("Eutelsat \xe9\xff");
        OpenDialog again(stored, 70);
        QCOMPARE(again.dlg.NameEdit()->text(), QStringLiteral("Eutelsat \u00e9\u00ff"));
        again.dlg.DegreeEdit()->setText(QStringLiteral("7.5"));
        QTest::mouseClick(again.dlg.OkButton(), Qt::LeftButton);
        QVERIFY(again.Accepted());
        QCOMPARE(again.dlg.m_nameField, stored);
        QCOMPARE(again.dlg.m_position, 75);
    }

    void escapeCancelsEnterInNameBoxAccepts()
    {
        OpenDialog open(Field("SAT"), 192);
        open.dlg.NameEdit()->setText(QStringLiteral("Other"));
        open.dlg.DegreeEdit()->setText(QStringLiteral("361"));
        QTest::keyClick(&open.dlg, Qt::Key_Escape);
        QCOMPARE(open.dlg.result(), int(QDialog::Rejected));
        QCOMPARE(open.prompts.MessageCount(), 0);
        QCOMPARE(open.dlg.m_name, QStringLiteral("SAT"));
        QVERIFY(!open.dlg.isVisible() && open.dlg.m_position == 192 && open.dlg.m_nameField == Field("SAT"));

        OpenDialog other(Field("SAT"), 192);
        other.dlg.NameEdit()->setFocus();
        other.dlg.NameEdit()->setText(QStringLiteral("Badr"));
        QTest::keyClick(other.dlg.NameEdit(), Qt::Key_Return);
        QVERIFY(other.Accepted());
        QCOMPARE(other.dlg.m_nameField, Field("Badr"));
        QCOMPARE(other.dlg.m_position, 192);
    }
};

QTEST_MAIN(TestEditSatDlg)
#include "tst_editsatdlg.moc"
