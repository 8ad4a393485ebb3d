// The transfer log (what it keeps of a failed transfer, the folder's limit) and the estimate of
// the time left, on a clock of the test's own.
#include "SampleDatabase.h"
#include "WorkerRun.h"

#include "protocol/TransferEstimate.h"
#include "protocol/TransferLogFolder.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// "dir type" of every frame line of a log, then its outcome line.
QStringList Frames(const QByteArray &text)
{
    QStringList frames;
    for (const QByteArray &line : text.split('\n')) {
        const QStringList w = QString::fromUtf8(line).simplified().split(' ');
        if (w.size() > 2 && (w[1] == "out" || w[1] == "in"))
            frames << w[1] + ' ' + w[2];
        else if (w.size() > 1 && w[1] == "outcome:")
            frames << w.mid(1).join(' ');
    }
    return frames;
}

} // namespace

class TestTransferLog : public QObject
{
    Q_OBJECT
private slots:
    void failedTransfer_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("frames");
        const auto type = int(Fault::UnexpectedType), silence = int(Fault::Silence);
        QTest::newRow("write, meter sends FT_DATA") << type
            << "out FT_HELLO|in FT_IDENT|out FT_IDENT_ACK|out FT_WRITE|in FT_READY|out FT_DATA|in FT_DATA|"
               "out FT_END|outcome: failed, meter error code 7";
        QTest::newRow("write, meter silent") << silence
            << "out FT_HELLO|in FT_IDENT|out FT_IDENT_ACK|out FT_WRITE|in FT_READY|out FT_DATA|in (no|"
               "out FT_END|outcome: failed, meter error code 8";
    }

    // The frames in order with the code the user saw; of a 16 KB chunk only its first bytes.
    void failedTransfer()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("file.bin");
        QVERIFY(TestFile::Write(path, SampleDatabase::Make({3, 12, 30, 800})));
        MeterDevice meter({0x42010001}, WithFault(Fault(fault), 1, FT_DATA));
        TransferLog log;
        WorkerRun run;
        run.log = &log;
        QVERIFY(run.Run(TK_WRITE_PARAMS, path, meter));
        const QByteArray text = log.Text();
        QTEST(Frames(text).join('|'), "frames");
        const qsizetype data = text.indexOf(" out FT_DATA ");
        const QList<QByteArray> words = text.mid(data, text.indexOf('\n', data) - data).simplified().split(' ');
        const QByteArray first = TestFile::Read(path).left(12);
        QCOMPARE(words.mid(2), QList<QByteArray>({"16384", "00034000", first.toHex()}));
    }

    // The code logged is the outcome's, not one a text the user saw happens to hold.
    void codeFromTheOutcome()
    {
        TransferLog log;
        log.Message(QStringLiteral("Can not write the specified file!\ncode:3.bin: Permission denied"));
        log.Finish(TransferOutcome::FileError(QStringLiteral("Can not write the specified file!")));
        QCOMPARE(Frames(log.Text()), QStringList{"outcome: failed, no meter error code"});
        QString error;
        QVERIFY(!log.Save(QStringLiteral("/nonexistent/x.log"), &error));
        QCOMPARE(error, QStringLiteral("No such file or directory"));
        for (int i = 0; i < 100000; ++i) // the log keeps 100000 entries, then only counts
            log.Note(QStringLiteral("n"));
        QVERIFY2(log.Text().endsWith("\n(2 more entries not kept)\n"), log.Text().right(80).constData());
    }

    // The folder keeps the newest twenty of its logs, whatever came before; the user's files stay.
    void folderKeepsTheNewest()
    {
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        const QDir folder(TransferLogFolder::Path());
        QStringList left;
        for (const char *own : {"0-my-notes.log", "zz-notes.log", "20200101-000000-000-notes.log"})
            QVERIFY(folder.mkpath(".") && TestFile::Write(left.emplace_back(folder.filePath(own)), own));
        QStringList kept;
        for (int i = 0; i < TransferLogFolder::kKeep + 5; ++i) {
            TransferLog log;
            log.Note(QString::number(i));
            kept << TransferLogFolder::Keep(log, QStringLiteral("read"));
        }
        QCOMPARE(TransferLogFolder::Path(), state.path() + "/orbivane/logs");
        left += kept.mid(5);
        for (const QString &name : folder.entryList(QDir::Files))
            QVERIFY2(left.removeOne(folder.filePath(name)), qPrintable(name));
        QVERIFY(left.isEmpty());
    }

    void estimate_data()
    {
        QTest::addColumn<int>("greetingMs");
        QTest::addColumn<bool>("reportsZero"); // a write reports 0 bytes when the meter first asks
        QTest::newRow("read") << 20 << false;
        QTest::newRow("read, meter slow to answer") << 3000 << false;
        QTest::newRow("write") << 20 << true;
    }

    // A transfer at 115200 baud in 16 KB chunks: from the first 20% on, the time left is within
    // 10% of the truth, at each chunk and half-way between two.
    void estimate()
    {
        QFETCH(int, greetingMs);
        QFETCH(bool, reportsZero);
        auto wireMs = [](int64_t bytes) { return bytes * 1000 / 11520; };
        const int64_t total = kImageSize;
        const int chunks = int((total + kChunkSize - 1) / kChunkSize);
        const int64_t end = greetingMs + wireMs(total + 8 * chunks);
        TransferEstimate e;
        e.Start(0);
        QCOMPARE(e.RemainingMs(0), int64_t(-1));
        if (reportsZero)
            e.Update(0, total, greetingMs);
        for (int n = 1; n <= chunks; ++n) {
            const int64_t done = std::min<int64_t>(total, int64_t(n) * kChunkSize);
            const int64_t at = greetingMs + wireMs(done + 8 * n);
            e.Update(done, total, at);
            if (n == 1 && !reportsZero)
                QVERIFY2(e.RemainingMs(at) > 0, "shown from the first chunk");
            if (done < total / 5)
                continue;
            for (const int64_t t : {at, at + wireMs(kChunkSize) / 2}) {
                const int64_t truth = end - t;
                if (truth > 0)
                    QVERIFY2(std::abs(e.RemainingMs(t) - truth) <= truth / 10,
                             qPrintable(QStringLiteral("at %1 ms: %2 ms left, truly %3").arg(t).arg(e.RemainingMs(t)).arg(truth)));
            }
        }
        QCOMPARE(e.RemainingMs(end), int64_t(0));
        QCOMPARE(e.Describe(end), QStringLiteral("235.6 of 235.6 KiB, 11.2 KiB/s, 0:00 left"));
    }
};

QTEST_GUILESS_MAIN(TestTransferLog)
#include "tst_transferlog.moc"
