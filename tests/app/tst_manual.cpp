// Help > Manual, the About box, and the tool that renders the manual into help.pdf.
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CAboutDlg.h"
#include "app/CMeterDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <algorithm>

namespace {

// Stands in for the desktop's PDF viewer: remembers what it was asked to open.
class Opener : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl &url) { opened.append(url); }
};

// Runs the test with another current directory, as when started from elsewhere.
class InDirectory
{
public:
    explicit InDirectory(const QString &dir) : m_old(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~InDirectory() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

// Runs the tool; its exit code, -1 when it crashed or hung.
int MkManual(const QStringList &args, QByteArray *errors = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(ORBIVANE_MKMANUAL), args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void manualIsLookedUpInTheWorkingDirectory();
    void aboutBox();
    void toolRendersMarkdownAndKeepsOldOutputOnBadInput();
    void buildShipsManual();
};

void TestManual::manualIsLookedUpInTheWorkingDirectory()
{
    Opener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "Open");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A folder of that name is no manual either.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("elsewhere/help.pdf")));
    for (const QString &cwd : {dir.path(), dir.filePath(QStringLiteral("elsewhere"))}) {
        InDirectory in(cwd);
        RecordingPrompts prompts;
        CMeterDlg(prompts).OnManual();
        QCOMPARE(prompts.MessageTexts(), QStringList{"Can not find help.pdf"});
        QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Attention"));
        QVERIFY(opener.opened.isEmpty());
    }
    const QString pdf = dir.filePath(QStringLiteral("help.pdf"));
    QVERIFY(TestFile::Write(pdf, "%PDF-1.4\n"));
    InDirectory in(dir.path());
    RecordingPrompts prompts;
    CMeterDlg(prompts).OnManual();
    QCOMPARE(prompts.MessageCount(), 0);
    QCOMPARE(opener.opened.size(), 1);
    QCOMPARE(QFileInfo(opener.opened.front().toLocalFile()).canonicalFilePath(), QFileInfo(pdf).canonicalFilePath());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestManual::aboutBox()
{
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Orbivane"));
    QStringList texts;
    bool icon = false;
    for (QLabel *label : about.findChildren<QLabel *>()) {
        texts << label->text();
        icon = icon || !label->pixmap().isNull();
    }
    QVERIFY(icon);
    QVERIFY(texts.contains(QStringLiteral("Orbivane Version 1.0")));
    QVERIFY(std::any_of(texts.begin(), texts.end(),
                        [](const QString &t) { return t.endsWith(QStringLiteral("Ver:1.2")); }));
    const auto buttons = about.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.front()->text(), QStringLiteral("OK"));
}

void TestManual::toolRendersMarkdownAndKeepsOldOutputOnBadInput()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));
    // A picture wider than the page is scaled down, not refused.
    for (const QSize size : {QSize(200, 80), QSize(3000, 300)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(dir.filePath(size.width() > 1000 ? "images/wide.png" : "images/shot.png")));
    }
    const QString md = dir.filePath(QStringLiteral("manual.md"));
    QVERIFY(TestFile::Write(md, "# Title\n\nSome *text*.\n\n![Shot](images/shot.png)\n\n"
                                "| A | B |\n|---|---|\n| 1 | 2 |\n\n![Wide](images/wide.png)\n"));
    // Run from another directory: images are found relative to the Markdown file.
    InDirectory in(QDir::tempPath());
    const QString pdf = dir.filePath(QStringLiteral("help.pdf"));
    QCOMPARE(MkManual({md, pdf}), 0);
    const QByteArray previous = TestFile::Read(pdf);
    QVERIFY(previous.startsWith("%PDF-") && previous.trimmed().endsWith("%%EOF"));
    QCOMPARE(previous.count("/Subtype /Image"), 2);

    const QString broken = dir.filePath(QStringLiteral("broken.md"));
    QVERIFY(TestFile::Write(broken, "# Title\n\n![Gone](images/missing.png)\n"));
    QByteArray errors;
    QVERIFY(MkManual({broken, pdf}, &errors) != 0);
    QVERIFY(errors.contains("missing.png"));
    QVERIFY(MkManual({dir.filePath(QStringLiteral("absent.md")), pdf}) != 0);
    QCOMPARE(TestFile::Read(pdf), previous);
    QCOMPARE(MkManual({broken}), 2); // usage
    QVERIFY(MkManual({md, dir.filePath(QStringLiteral("no/such/folder/help.pdf"))}) != 0);
}

void TestManual::buildShipsManual()
{
    // The build renders the real manual next to the program, screenshots included.
    const QByteArray bytes = TestFile::Read(QStringLiteral(ORBIVANE_HELP_PDF));
    QVERIFY2(bytes.startsWith("%PDF-"), ORBIVANE_HELP_PDF);
    QVERIFY(bytes.count("/Subtype /Image") >= 3);
    QCOMPARE(QFileInfo(QStringLiteral(ORBIVANE_HELP_PDF)).absolutePath(),
             QFileInfo(QStringLiteral(ORBIVANE_PROGRAM)).absolutePath());
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
