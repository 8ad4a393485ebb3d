// The satellite dialog: what it shows, the value OK returns, and the refusals in their order.
// The conversions and checks themselves are the document's, tested there.
#include "RecordingPrompts.h"

#include "app/CEditSatDlg.h"
#include "document/SatelliteConversions.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using SC = SatelliteConversions;

QWidget *NextTabStop(QWidget *from)
{
    QWidget *w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
}

// A dialog opened as the editing command opens it, on satellite slot 3.
struct OpenDialog {
    OpenDialog(const QString &name, int position, CEditSatDlg::Offer offer = CEditSatDlg::Offer::Tenths)
        : dlg(prompts, {3, name, position}, offer)
    {
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
    // Still open, with the value it was opened with.
    bool Kept(const QString &name, int position) const
    {
        return dlg.isVisible() && dlg.Satellite() == SatelliteValue{3, name, position};
    }

    RecordingPrompts prompts;
    CEditSatDlg dlg;
};

} // namespace

class TestEditSatDlg : public QObject
{
    Q_OBJECT
private slots:
    void opensWithValueAndFocusOnOk()
    {
        OpenDialog open(QStringLiteral("ASTRA 1KR"), 3605);
        QCOMPARE(open.dlg.windowTitle(), QStringLiteral("Edit Saillite"));
        QCOMPARE(open.dlg.findChild<QGroupBox *>()->title(), QStringLiteral("Please Edit satillite"));
        QCOMPARE(open.dlg.NameEdit()->text(), QStringLiteral("ASTRA 1KR"));
        QCOMPARE(open.dlg.DegreeEdit()->text(), QStringLiteral("360.5"));
        QCOMPARE(open.dlg.focusWidget(), open.dlg.OkButton());
        QVERIFY(open.dlg.OkButton()->isDefault());
        // Tab order: OK, Cancel, name, degrees.
        QWidget *cancel = NextTabStop(open.dlg.OkButton());
        QCOMPARE(qobject_cast<QPushButton *>(cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(NextTabStop(cancel), open.dlg.NameEdit());
        QCOMPARE(NextTabStop(open.dlg.NameEdit()), open.dlg.DegreeEdit());
        QCOMPARE(NextTabStop(open.dlg.DegreeEdit()), open.dlg.OkButton());
        // Unchanged, the value comes back as it was.
        QTest::mouseClick(open.dlg.OkButton(), Qt::LeftButton);
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.Satellite(), (SatelliteValue{3, QStringLiteral("ASTRA 1KR"), 3605}));
        QCOMPARE(open.prompts.MessageCount(), 0);

        // A new satellite shows whole degrees.
        OpenDialog fresh(QStringLiteral("New satillite"), 1305, CEditSatDlg::Offer::WholeDegrees);
        QCOMPARE(fresh.dlg.DegreeEdit()->text(), QStringLiteral("130"));
        QCOMPARE(fresh.dlg.NameEdit()->text(), QStringLiteral("New satillite"));
    }

    void typedDegrees_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tenths"); // -1: refused with `prompt`
        QTest::addColumn<QString>("prompt");
        QTest::newRow("130.5") << "130.5" << 1305 << QString();
        QTest::newRow("-0.5 would wrap round the 12-bit field") << "-0.5" << -1 << SC::CheckText(SC::Check::OutOfRange);
        QTest::newRow("letters") << "east" << -1 << SC::CheckText(SC::Check::NotANumber);
    }

    void typedDegrees()
    {
        QFETCH(QString, typed);
        QFETCH(int, tenths);
        QFETCH(QString, prompt);
        OpenDialog open(QStringLiteral("SAT"), 192);
        open.Enter(QStringLiteral("Renamed"), typed);
        if (tenths >= 0) {
            QCOMPARE(open.prompts.MessageTexts(), QStringList{});
            QVERIFY(open.Accepted());
            QCOMPARE(open.dlg.Satellite().position, tenths);
            return;
        }
        QCOMPARE(open.prompts.MessageTexts(), QStringList{prompt});
        QCOMPARE(open.prompts.Messages().front().caption, QStringLiteral("Orbivane"));
        QCOMPARE(open.prompts.Messages().front().icon, Prompts::Icon::Warning);
        QCOMPARE(open.dlg.focusWidget(), open.dlg.DegreeEdit());
        QVERIFY(open.Kept(QStringLiteral("SAT"), 192));
        // Corrected, the same dialog closes with the new values.
        open.Enter(QStringLiteral("Renamed"), QStringLiteral("28.2"));
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.Satellite(), (SatelliteValue{3, QStringLiteral("Renamed"), 282}));
    }

    void checksComeInOrder()
    {
        // An empty name is the one prompt, even with degrees that would be refused.
        OpenDialog open(QStringLiteral("HOTBIRD"), 130);
        open.Enter(QString(), QStringLiteral("999"));
        QCOMPARE(open.prompts.MessageTexts(), QStringList{"Please input a satillite name."});
        QCOMPARE(open.prompts.Messages().front().icon, Prompts::Icon::None);
        QCOMPARE(open.dlg.focusWidget(), open.dlg.NameEdit());
        QVERIFY(open.Kept(QStringLiteral("HOTBIRD"), 130));
        // Then the degrees, then the name's characters, which must be Latin-1.
        open.prompts.Clear();
        open.Enter(QStringLiteral("Sat \u2605"), QStringLiteral("abc"));
        open.Enter(QStringLiteral("Sat \u2605"), QStringLiteral("7.5"));
        QCOMPARE(open.prompts.MessageTexts(), (QStringList{SC::CheckText(SC::Check::NotANumber),
                                                           SC::CheckText(SC::Check::NotLatin1)}));
        QCOMPARE(open.dlg.focusWidget(), open.dlg.NameEdit());
        QVERIFY(open.Kept(QStringLiteral("HOTBIRD"), 130));
        // Blanks are a name; the box takes no 17th character.
        open.dlg.NameEdit()->clear();
        QTest::keyClicks(open.dlg.NameEdit(), QStringLiteral(" BCDEFGHIJKLMNOPQ"));
        QTest::mouseClick(open.dlg.OkButton(), Qt::LeftButton);
        QVERIFY(open.Accepted());
        QCOMPARE(open.dlg.Satellite().name, QStringLiteral(" BCDEFGHIJKLMNOP"));
    }

    void escapeCancelsEnterInNameBoxAccepts()
    {
        OpenDialog open(QStringLiteral("SAT"), 192);
        open.dlg.NameEdit()->setText(QStringLiteral("Other"));
        open.dlg.DegreeEdit()->setText(QStringLiteral("361"));
        QTest::keyClick(&open.dlg, Qt::Key_Escape);
        QCOMPARE(open.dlg.result(), int(QDialog::Rejected));
        QCOMPARE(open.prompts.MessageCount(), 0);
        QCOMPARE(open.dlg.Satellite(), (SatelliteValue{3, QStringLiteral("SAT"), 192}));

        // A name read from a file with bytes above 127 comes back unchanged.
        OpenDialog other(QStringLiteral("Eutelsat \u00e9\u00ff"), 192);
        other.dlg.NameEdit()->setFocus();
        other.dlg.DegreeEdit()->setText(QStringLiteral("7.5"));
        QTest::keyClick(other.dlg.NameEdit(), Qt::Key_Return);
        QVERIFY(other.Accepted());
        QCOMPARE(other.dlg.Satellite(), (SatelliteValue{3, QStringLiteral("Eutelsat \u00e9\u00ff"), 75}));
    }
};

QTEST_MAIN(TestEditSatDlg)
#include "tst_editsatdlg.moc"
