// Every language file complete and true to its source texts, and the right one chosen at start.
#include "common/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString source;
    QStringList translations; // one per plural form
    bool finished = true;
};

// The arguments a text takes (%1, %n...) and its mnemonic letter (&F), entities (&nbsp;) aside.
QStringList Arguments(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%(n|L?[1-9][0-9]?)"));
    QStringList found;
    for (auto it = arg.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QChar Mnemonic(const QString &text)
{
    static const QRegularExpression mnemonic(QStringLiteral("(?<!&)&(?!&)(?![a-zA-Z]+;)(\\w)"));
    const QRegularExpressionMatch m = mnemonic.match(text);
    return m.hasMatch() ? m.captured(1).at(0).toUpper() : QChar();
}

QMap<QString, QList<Message>> Read(const QString &path) // context -> messages
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QList<Message>> contexts;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            contexts[context].append(Message{});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            contexts[context].last().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            contexts[context].last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus)
                contexts[context].last().translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            contexts[context].last().translations << xml.readElementText();
        }
    }
    return xml.hasError() ? QMap<QString, QList<Message>>{} : contexts;
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT
private slots:
    void languageFiles_data();
    void languageFiles();
    void chosenByLocale_data();
    void chosenByLocale();
};

void TstTranslations::languageFiles_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(ORBIVANE_TS_DIR));
    for (const QString &name : dir.entryList({QStringLiteral("*.ts")}))
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    QVERIFY(dir.entryList({QStringLiteral("*.ts")}).size() >= 8);
}

void TstTranslations::languageFiles()
{
    QFETCH(QString, path);
    const QMap<QString, QList<Message>> contexts = Read(path);
    QVERIFY2(!contexts.isEmpty(), qPrintable(path));
    for (auto c = contexts.cbegin(); c != contexts.cend(); ++c) {
        const QList<Message> &messages = c.value();
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const Message &m = messages[i];
            const QString where = c.key() + QStringLiteral(": ") + m.source;
            QVERIFY2(m.finished && !m.translations.isEmpty() && !m.translations.contains(QString()), qPrintable(where));
            for (const QString &t : m.translations)
                QVERIFY2(Arguments(t) == Arguments(m.source), qPrintable(where + QStringLiteral(" -> ") + t));
            // Two texts of one window may share a mnemonic letter only where the source texts do.
            for (qsizetype j = 0; j < i; ++j) {
                const QChar mine = Mnemonic(m.translations.first());
                QVERIFY2(mine.isNull() || mine != Mnemonic(messages[j].translations.value(0))
                             || Mnemonic(m.source) == Mnemonic(messages[j].source),
                         qPrintable(where + QStringLiteral(" and ") + messages[j].source));
            }
        }
    }
}

// The English source texts in the C locale; a language's own when it has one (the files are
// built into the program). Rows run in order: C before any translation is installed.
void TstTranslations::chosenByLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("shown");
    QTest::newRow("C menu") << "C" << "CMeterDlg" << "&File" << "&File";
    QTest::newRow("C message") << "C" << "SatelliteConversions" << "Please input a satillite name."
                               << "Please input a satillite name.";
    QTest::newRow("de menu") << "de_DE" << "CMeterDlg" << "&File" << "&Datei";
}

void TstTranslations::chosenByLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, shown);
    InstallTranslations(*QCoreApplication::instance(), QLocale(locale));
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)), shown);
}

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
