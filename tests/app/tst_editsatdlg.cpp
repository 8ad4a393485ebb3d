// The satellite dialog: what it shows, the value OK returns, and the refusals in their order.
// The conversions and checks themselves are the document's, tested there.
#include "RecordingPrompts.h"

#include "app/CEditSatDlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QWidget *NextTabStop(QWidget *from)
{
    QWidget *w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
}

} // namespace

class TestEditSatDlg : public QObject
{
    Q_OBJECT
private slots:
    void opensWithValueAndFocusOnOk()
    {
        RecordingPrompts prompts;
        CEditSatDlg dlg(prompts, {3, QStringLiteral("Eutelsat \u00e9\u00ff"), 3605}, CEditSatDlg::Offer::Tenths);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Saillite"));
        QCOMPARE(dlg.findChild<QGroupBox *>()->title(), QStringLiteral("Please Edit satillite"));
        QCOMPARE(dlg.NameEdit()->text(), QStringLiteral("Eutelsat \u00e9\u00ff"));
        QCOMPARE(dlg.DegreeEdit()->text(), QStringLiteral("360.5"));
        QVERIFY(dlg.focusWidget() == dlg.OkButton() && dlg.OkButton()->isDefault());
        QWidget *cancel = NextTabStop(dlg.OkButton()); // tab order: OK, Cancel, name, degrees
        QCOMPARE(qobject_cast<QPushButton *>(cancel)->text(), QStringLiteral("Cancel"));
        QVERIFY(NextTabStop(cancel) == dlg.NameEdit() && NextTabStop(dlg.NameEdit()) == dlg.DegreeEdit());
        QCOMPARE(NextTabStop(dlg.DegreeEdit()), dlg.OkButton());
        // Escape cancels what was typed.
        dlg.NameEdit()->setText(QStringLiteral("Other"));
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.result() == QDialog::Rejected && dlg.Satellite() == (SatelliteValue{3, QStringLiteral("Eutelsat \u00e9\u00ff"), 3605}));
        // Enter in the name box is OK; a name with bytes above 127 comes back unchanged.
        dlg.show();
        dlg.NameEdit()->setText(QStringLiteral("Eutelsat \u00e9\u00ff"));
        dlg.NameEdit()->setFocus();
        QTest::keyClick(dlg.NameEdit(), Qt::Key_Return);
        QVERIFY(!dlg.isVisible() && dlg.result() == QDialog::Accepted);
        QCOMPARE(dlg.Satellite(), (SatelliteValue{3, QStringLiteral("Eutelsat \u00e9\u00ff"), 3605}));
        QCOMPARE(prompts.MessageCount(), 0);

        // A new satellite shows whole degrees.
        CEditSatDlg fresh(prompts, {3, QStringLiteral("New satillite"), 1305}, CEditSatDlg::Offer::WholeDegrees);
        fresh.show();
        QCOMPARE(fresh.DegreeEdit()->text(), QStringLiteral("130"));
    }

    // What was typed, then OK: the one refusal (degrees before the name's characters, an empty
    // name first of all) with focus on the box at fault, or the value returned.
    void typedValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("prompt"); // empty: accepted
        QTest::addColumn<bool>("nameAtFault");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("tenths");
        const QString star = QStringLiteral("Sat \u2605"), number = "Please enter a number.";
        QTest::newRow("130.5") << "Renamed" << "130.5" << QString() << false << "Renamed" << 1305;
        QTest::newRow("blanks are a name; no 17th character")
            << " BCDEFGHIJKLMNOPQ" << "7.5" << QString() << false << " BCDEFGHIJKLMNOP" << 75;
        QTest::newRow("-0.5 would wrap round the 12-bit field")
            << "Renamed" << "-0.5" << "Please enter a number between 0 and 360." << false << "" << 0;
        QTest::newRow("empty name before bad degrees") << "" << "999" << "Please input a satillite name." << true << "" << 0;
        QTest::newRow("bad degrees before a name not Latin-1") << star << "abc" << number << false << "" << 0;
        QTest::newRow("name not Latin-1") << star << "7.5" << "The satellite name can only hold Latin-1 characters (letters, "
            "digits and the common signs of Western European languages)." << true << "" << 0;
    }

    void typedValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, degrees);
        QFETCH(QString, prompt);
        QFETCH(QString, stored);
        QFETCH(int, tenths);
        RecordingPrompts prompts;
        const SatelliteValue old{3, QStringLiteral("HOTBIRD"), 130};
        CEditSatDlg dlg(prompts, old, CEditSatDlg::Offer::Tenths);
        dlg.show();
        dlg.NameEdit()->setText(name);
        dlg.DegreeEdit()->setText(degrees);
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        if (prompt.isEmpty()) {
            QVERIFY(prompts.MessageCount() == 0 && !dlg.isVisible() && dlg.result() == QDialog::Accepted);
            QCOMPARE(dlg.Satellite(), (SatelliteValue{3, stored, tenths}));
            return;
        }
        QCOMPARE(prompts.MessageTexts(), QStringList{prompt});
        QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Orbivane"));
        QCOMPARE(prompts.Messages().front().icon, name.isEmpty() ? Prompts::Icon::None : Prompts::Icon::Warning);
        QTEST(dlg.focusWidget() == dlg.NameEdit(), "nameAtFault");
        QVERIFY(dlg.isVisible() && dlg.Satellite() == old);
        // Corrected, the same dialog closes with the new values.
        dlg.NameEdit()->setText(QStringLiteral("Renamed"));
        dlg.DegreeEdit()->setText(QStringLiteral("28.2"));
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        QCOMPARE(dlg.Satellite(), (SatelliteValue{3, QStringLiteral("Renamed"), 282}));
    }
};

QTEST_MAIN(TestEditSatDlg)
#include "tst_editsatdlg.moc"
