// Help > Manual, the About box, and the tool that renders the manual into help.pdf.
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CAboutDlg.h"
#include "app/CMeterDlg.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// Runs the tool from another folder (images are found beside the Markdown file); its exit code,
// -1 when it crashed or hung.
int MkManual(const QStringList &args, QByteArray *errors = nullptr)
{
    QProcess process;
    process.setWorkingDirectory(QDir::tempPath());
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
public slots: // stands in for the desktop's PDF viewer
    void Open(const QUrl &url) { m_opened.append(url); }

private slots:
    // Looked up in the working directory only; a folder of that name is no manual either.
    void manualIsLookedUpInTheWorkingDirectory()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
        QTemporaryDir dir;
        const QString old = QDir::currentPath(), pdf = dir.filePath(QStringLiteral("help.pdf"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("elsewhere/help.pdf")));
        for (const QString &cwd : {dir.path(), dir.filePath(QStringLiteral("elsewhere")), dir.path()}) {
            QDir::setCurrent(cwd);
            RecordingPrompts prompts;
            CMeterDlg(prompts).OnManual();
            const bool found = QFileInfo::exists(pdf);
            QCOMPARE(prompts.MessageTexts(), found ? QStringList() : QStringList{"Can not find help.pdf"});
            if (!found)
                QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Attention"));
            QCOMPARE(m_opened.size(), found ? 1 : 0);
            if (cwd.endsWith(QLatin1String("elsewhere")))
                QVERIFY(TestFile::Write(pdf, "%PDF-1.4\n")); // the third round finds it
        }
        QDir::setCurrent(old);
        QCOMPARE(QFileInfo(m_opened.front().toLocalFile()).canonicalFilePath(), QFileInfo(pdf).canonicalFilePath());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    // Help > Show transfer logs opens the logs folder, made first when there is none yet.
    void transferLogsFolderIsOpened()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        m_opened.clear();
        RecordingPrompts prompts;
        CMeterDlg dlg(prompts);
        QAction *show = dlg.findChild<QAction *>(QStringLiteral("showTransferLogs"));
        QVERIFY(show && show->text() == "Show transfer &logs");
        show->trigger();
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(state.path() + "/orbivane/logs")});
        QVERIFY(QFileInfo(m_opened.front().toLocalFile()).isDir());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void aboutBox()
    {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Orbivane"));
        QStringList texts;
        bool icon = false;
        for (QLabel *label : about.findChildren<QLabel *>()) {
            texts << label->text();
            icon = icon || !label->pixmap().isNull();
        }
        QVERIFY(icon && texts.contains(QStringLiteral("Orbivane Version 1.0")));
        QVERIFY(!texts.filter(QRegularExpression(QStringLiteral("Ver:1\\.2$"))).isEmpty());
        const auto buttons = about.findChildren<QPushButton *>();
        QVERIFY(buttons.size() == 1 && buttons.front()->text() == "OK");
    }

    // A picture wider than the page is scaled down, not refused; a missing one fails, named,
    // and the old output stays; a bad output folder fails.
    void toolRendersMarkdownAndKeepsOldOutputOnBadInput()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("images")));
        for (const QSize size : {QSize(200, 80), QSize(3000, 300)}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QVERIFY(image.save(dir.filePath(size.width() > 1000 ? "images/wide.png" : "images/shot.png")));
        }
        const QString md = dir.filePath(QStringLiteral("manual.md")), pdf = dir.filePath(QStringLiteral("help.pdf"));
        QVERIFY(TestFile::Write(md, "# Title\n\nSome *text*.\n\n![Shot](images/shot.png)\n\n"
                                    "| A | B |\n|---|---|\n| 1 | 2 |\n\n![Wide](images/wide.png)\n"));
        QCOMPARE(MkManual({md, pdf}), 0);
        const QByteArray previous = TestFile::Read(pdf);
        QVERIFY(previous.startsWith("%PDF-") && previous.trimmed().endsWith("%%EOF"));
        QCOMPARE(previous.count("/Subtype /Image"), 2);
        const QString broken = dir.filePath(QStringLiteral("broken.md"));
        QVERIFY(TestFile::Write(broken, "# Title\n\n![Gone](images/missing.png)\n"));
        QByteArray errors;
        QVERIFY(MkManual({broken, pdf}, &errors) != 0 && errors.contains("missing.png"));
        QCOMPARE(TestFile::Read(pdf), previous);
        QCOMPARE(MkManual({broken}), 2); // usage
        QVERIFY(MkManual({md, dir.filePath(QStringLiteral("no/such/folder/help.pdf"))}) != 0);
    }

    // The build renders the real manual next to the program, screenshots included.
    void buildShipsManual()
    {
        const QByteArray bytes = TestFile::Read(QStringLiteral(ORBIVANE_HELP_PDF));
        QVERIFY2(bytes.startsWith("%PDF-"), ORBIVANE_HELP_PDF);
        QVERIFY(bytes.count("/Subtype /Image") >= 3);
        QCOMPARE(QFileInfo(QStringLiteral(ORBIVANE_HELP_PDF)).absolutePath(), QFileInfo(QStringLiteral(ORBIVANE_PROGRAM)).absolutePath());
    }

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
