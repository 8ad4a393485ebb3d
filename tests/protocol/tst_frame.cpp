// The frame codec: wire bytes, the payload limit, and what an odd frame does on a real port.
#include "PtyPair.h"
#include "RecordingPrompts.h"

#include "protocol/Frame.h"
#include "protocol/MeterLink.h"
#include "serial/CComPort.h"

#include <QtTest>

#include <thread>

static QByteArray Hex(const char *hex) { return QByteArray::fromHex(hex); }

class TestFrame : public QObject
{
    Q_OBJECT
private slots:
    void framesOnTheWire_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<uint>("word");       // identityWord, or dataLength for FT_DATA
        QTest::addColumn<uint>("count");      // byteCount
        QTest::addColumn<QByteArray>("wire"); // an FT_DATA's payload follows its header
        QByteArray chunk(16384, '\0');
        for (int i = 0; i < chunk.size(); ++i)
            chunk[i] = char(i * 7);
        QTest::newRow("FT_READ") << uint(FT_READ) << 0u << 241248u << Hex("000B000400 03AE60");
        QTest::newRow("FT_LOAD") << uint(FT_LOAD) << 0x42010203u << 65536u << Hex("0006000842010203 00010000");
        QTest::newRow("FT_LOAD_8") << uint(FT_LOAD_8) << 0x42010203u << 7u << Hex("0008000842010203 00000007");
        QTest::newRow("FT_HELLO") << uint(FT_HELLO) << 7u << 7u << Hex("000E0000");
        QTest::newRow("FT_END") << uint(FT_END) << 0u << 0u << Hex("00040000");
        QTest::newRow("FT_DATA, whole chunk") << uint(FT_DATA) << 16384u << 0u << Hex("00034000") + chunk;
    }

    void framesOnTheWire()
    {
        QFETCH(uint, type);
        QFETCH(uint, word);
        QFETCH(uint, count);
        QFETCH(QByteArray, wire);
        Frame f;
        f.type = type;
        (type == FT_DATA ? f.dataLength : f.identityWord) = word;
        f.byteCount = count;
        f.data = type == FT_DATA ? reinterpret_cast<const uint8_t *>(wire.constData()) + 4 : nullptr;
        std::vector<uint8_t> out(kMaxFrame, 0xEE);
        const size_t n = EncodeFrame(f, out.data());
        QVERIFY(QByteArray(reinterpret_cast<const char *>(out.data()), qsizetype(n)) == wire);
    }

    // What arrives (`first`, then `later` after the first receive) for a buffer of `size`: the
    // first receive gives `whole`; the frame finally received is of `type`; no box is shown (an
    // unknown type's box: tst_transferworker).
    void receivedFrames_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("later");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<uint>("type");
        // The largest payload and an empty one come in every read (tst_transferworker). One more
        // byte is refused and its payload stays on the line, unread.
        QTest::newRow("payload one too long") << Hex("00034001") + Hex("0002000000040000") << QByteArray() << int(kMaxFrame) << false << uint(FT_READY);
        QTest::newRow("type 7, unknown") << Hex("00070002ABCD") << QByteArray() << 100 << true << 7u;
        QTest::newRow("type 5") << Hex("0005000A0102030405060708090A") << QByteArray() << 100 << true << uint(FT_METER_5);
        // Two payload bytes hold no identity word: refused like a garbled frame.
        QTest::newRow("short FT_IDENT") << Hex("00000002AABB0000000442010203") << QByteArray() << 100 << false << uint(FT_IDENT);
        // Nothing is stored past the caller's buffer; the payload is consumed.
        QTest::newRow("too big for the buffer") << Hex("000200C8") + QByteArray(200, 'z') + Hex("00020000") << QByteArray() << 100 << false << uint(FT_READY);
        QTest::newRow("broken header") << Hex("0002") << Hex("00040000") << 100 << false << uint(FT_END);
    }

    void receivedFrames()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, later);
        QFETCH(int, size);
        QFETCH(bool, whole);
        QFETCH(uint, type);
        PtyPair pty;
        CComPort port;
        RecordingPrompts prompts;
        QVERIFY(pty.IsValid() && OpenMeterPort(port, pty.SlavePath(), prompts));
        std::vector<uint8_t> buffer(size_t(size) + 32, 0xEE);
        std::thread meter([&] { pty.Send(first); });
        Frame f;
        const bool got = ReceiveFrame(f, buffer.data(), uint32_t(size), port);
        meter.join();
        QCOMPARE(got, whole);
        for (size_t i = size_t(size); i < buffer.size(); ++i)
            QCOMPARE(buffer[i], uint8_t(0xEE));
        if (!whole) {
            QVERIFY(pty.Send(later));
            QVERIFY(ReceiveFrame(f, buffer.data(), uint32_t(size), port));
        }
        QCOMPARE(f.type, uint32_t(type));
        if (type == FT_IDENT)
            QCOMPARE(f.identityWord, 0x42010203u);
        QCOMPARE(prompts.MessageCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
