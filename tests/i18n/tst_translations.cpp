// Every language file complete and true to its source texts, and the right one chosen at start.
#include "common/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QStringList Arguments(const QString &text) // %1, %n... sorted
{
    static const QRegularExpression arg(QStringLiteral("%(n|L?[1-9][0-9]?)"));
    QStringList found;
    for (auto it = arg.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QChar Mnemonic(const QString &text) // the letter after a single &, entities (&nbsp;) aside
{
    static const QRegularExpression mnemonic(QStringLiteral("(?<!&)&(?![&]|[a-zA-Z]+;)(\\w)"));
    const QRegularExpressionMatch m = mnemonic.match(text);
    return m.hasMatch() ? m.captured(1).at(0).toUpper() : QChar();
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT
private slots:
    // Each text finished (every plural form), with its source's %1/%n arguments; two texts of
    // one context (a window) share a mnemonic letter only where their source texts do.
    void languageFiles_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(ORBIVANE_TS_DIR));
        const QStringList files = dir.entryList({QStringLiteral("*.ts")});
        QVERIFY(files.size() >= 8);
        for (const QString &name : files)
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void languageFiles()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        QList<QPair<QChar, QChar>> seen; // (source, translation) mnemonics of the context so far
        QSet<QString> finished; // context and source
        const auto check = [&](const QString &text) {
            const QString where = context + QStringLiteral(": ") + source + QStringLiteral(" -> ") + text;
            QVERIFY2(!text.isEmpty() && Arguments(text) == Arguments(source), qPrintable(where));
            const QPair<QChar, QChar> mine{Mnemonic(source), Mnemonic(text)};
            for (const auto &[s, t] : seen)
                QVERIFY2(mine.second.isNull() || t != mine.second || s == mine.first, qPrintable(where));
            seen << mine;
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
                seen.clear();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(context + QStringLiteral(": ") + source));
                finished << context + QStringLiteral(": ") + source;
                if (!source.contains(QLatin1String("%n")))
                    check(xml.readElementText());
            } else if (xml.name() == QLatin1String("numerusform")) {
                check(xml.readElementText());
            }
        }
        QVERIFY2(!xml.hasError() && !seen.isEmpty(), qPrintable(xml.errorString()));
        // ctest tst_translations_sources: lupdate's reading of the code, each of its texts here.
        QFile code(qEnvironmentVariable("ORBIVANE_SOURCE_TEXTS"));
        if (code.fileName().isEmpty())
            return;
        QVERIFY2(code.open(QIODevice::ReadOnly), qPrintable(code.fileName()));
        int texts = 0;
        for (xml.setDevice(&code); !xml.atEnd();) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
                const QString text = context + QStringLiteral(": ") + xml.readElementText();
                QVERIFY2(finished.contains(text), qPrintable(QStringLiteral("no finished entry: ") + text));
                ++texts;
            }
        }
        QVERIFY(texts > 100);
    }

    // The English source texts in the C locale; a language's own where it has one (built into
    // the program). Rows run in order: C before any translation is installed.
    void chosenByLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("C menu") << "C" << "CMeterDlg" << "&File" << "&File";
        QTest::newRow("de menu") << "de_DE" << "CMeterDlg" << "&File" << "&Datei";
    }

    void chosenByLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, context);
        QFETCH(QString, source);
        InstallTranslations(*QCoreApplication::instance(), QLocale(locale));
        QTEST(QCoreApplication::translate(qPrintable(context), qPrintable(source)), "shown");
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
