// Help > Manual, the tool that renders the manual into help.pdf, and the program as it starts.
#include "RecordingPrompts.h"
#include "TestEnv.h"

#include "app/CMeterDlg.h"
#include "app/DesktopOpener.h"
#include "app/ManualLocation.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QProcess>
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
    // The working directory first, then beside the program (a build tree), then where the install
    // puts it; a folder of that name is no manual.
    void manualLookup_data()
    {
        QTest::addColumn<QStringList>("plant"); // under a temporary root; a trailing / is a folder
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::newRow("installed") << QStringList{"usr/share/doc/orbivane/help.pdf"} << "usr/bin"
                                   << "usr/share/doc/orbivane/help.pdf";
        QTest::newRow("both") << QStringList{"usr/bin/help.pdf", "usr/share/doc/orbivane/help.pdf"} << "usr/bin"
                              << "usr/bin/help.pdf";
        QTest::newRow("a folder") << QStringList{"usr/bin/help.pdf/", "usr/share/doc/orbivane/help.pdf/"} << "usr/bin" << "";
        QTest::newRow("working directory first") << QStringList{"cwd/help.pdf", "usr/bin/help.pdf"} << "usr/bin" << "cwd/help.pdf";
    }

    void manualLookup()
    {
        QFETCH(QStringList, plant);
        QFETCH(QString, program);
        QFETCH(QString, found);
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(program) && root.mkpath("cwd"));
        for (const QString &file : plant)
            QVERIFY(file.endsWith('/') ? root.mkpath(file) : root.mkpath(QFileInfo(file).path()) && TestFile::Write(root.filePath(file), "%PDF-1.4\n"));
        const QString old = QDir::currentPath();
        QDir::setCurrent(root.filePath("cwd"));
        const QString result = ManualLocation::Find(root.filePath(program));
        QDir::setCurrent(old);
        QCOMPARE(QFileInfo(result).canonicalFilePath(), found.isEmpty() ? QString() : QFileInfo(root.filePath(found)).canonicalFilePath());
    }

    // Help > Manual opens what the lookup finds beside this program, and says so when there is none.
    void manualCommand()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
        const QString pdf = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.pdf"));
        QFile::remove(pdf);
        for (const bool present : {false, true}) {
            RecordingPrompts prompts;
            CMeterDlg dlg(prompts);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            QTest::keyClick(&dlg, Qt::Key_F1); // Help > Manual
            QCOMPARE(prompts.MessageTexts(), present ? QStringList() : QStringList{"Can not find help.pdf"});
            if (!present)
                QCOMPARE(prompts.Messages().front().caption, QStringLiteral("Attention"));
            QVERIFY(TestFile::Write(pdf, "%PDF-1.4\n"));
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(pdf)});
        // No program opens it, be it that the platform has none (offscreen) or that xdg-open finds
        // no viewer and says so only in its exit status: it is named. An opener that succeeds
        // ("true") is trusted.
        for (const QString &opener : {QString(), QStringLiteral("false"), QStringLiteral("true")}) {
            DesktopOpener::SetProgram(opener);
            RecordingPrompts prompts;
            CMeterDlg dlg(prompts);
            dlg.OnManual();
            QTRY_VERIFY(qApp->findChildren<QProcess *>().isEmpty());
            QCOMPARE(prompts.MessageTexts(), opener == "true" ? QStringList()
                                                              : QStringList{"No program on this system could open the manual:\n" + pdf});
        }
        DesktopOpener::SetProgram({});
        QFile::remove(pdf);
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
        show->trigger(); // no file manager: the folder is named
        QCOMPARE(prompts.MessageTexts(), QStringList{"No program on this system could open the transfer logs folder:\n" + state.path() + "/orbivane/logs"});
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

    // The program speaks the user's language once it runs: a mistake it answers after starting
    // (an option it does not know may be one of Qt's) is told in German under a German locale.
    void programSpeaksTheUsersLanguage()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        env.remove(QStringLiteral("LANGUAGE"));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORBIVANE_PROGRAM), {QStringLiteral("-x")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardError().contains("Versuchen Sie 'orbivane --help'."));
    }

    // Started bare, as the desktop entry starts it, the program comes up (a first start saves the
    // port it tests) and runs until it is ended.
    void programStartsBare()
    {
        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORBIVANE_HOME"), home.path());
        env.insert(QStringLiteral("ORBIVANE_COM1"), home.filePath(QStringLiteral("no-device")));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORBIVANE_PROGRAM), QStringList{});
        const QString settings = home.filePath(QStringLiteral("config/Tarnwell/vanetool.conf"));
        QVERIFY(WaitUntil([&] { return QFileInfo::exists(settings) || program.state() == QProcess::NotRunning; }, 30000));
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        QVERIFY(program.waitForFinished(10000));
    }

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
