// The frame codec on a real port: wire bytes, the payload limit, and what an odd frame does.
#include "PtyPair.h"
#include "RecordingPrompts.h"

#include "protocol/Frame.h"
#include "serial/CComPort.h"

#include <QtTest>

#include <thread>

namespace {

struct Line {
    Line()
    {
        port.Init(1, 16384, 16384);
        port.SetOpTimeout(400);
        port.SetTimeouts(131072, 20, 20, 20, 20);
        port.SetDevicePath(pty.SlavePath());
        port.SetPrompts(&prompts);
        open = pty.IsValid() && port.Open();
    }
    PtyPair pty;
    CComPort port;
    RecordingPrompts prompts;
    bool open = false;
};

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT
private slots:
    void startFramesOnTheWire_data();
    void startFramesOnTheWire();
    void fullDataFrameOnTheWire();
    void payloadLimit();
    void emptyPayloadEndsAfterHeader();
    void unknownTypeIsReportedAndReturned();
    void shortIdentIsRefused();
    void shortTypeFiveReadsOnlyWhatArrived();
    void frameTooBigForCallerIsDropped();
    void brokenHeaderConsumesItsBytes();
};

void TestFrame::startFramesOnTheWire_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("p1");
    QTest::addColumn<uint>("p2");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("FT_READ") << uint(FT_READ) << 0u << 241248u << Hex("000B000400 03AE60");
    QTest::newRow("FT_WRITE") << uint(FT_WRITE) << 0u << 241248u << Hex("000A00040003AE60");
    QTest::newRow("FT_LOAD") << uint(FT_LOAD) << 0x42010203u << 65536u << Hex("0006000842010203 00010000");
    QTest::newRow("FT_HELLO") << uint(FT_HELLO) << 7u << 7u << Hex("000E0000");
    QTest::newRow("FT_END") << uint(FT_END) << 0u << 0u << Hex("00040000");
}

void TestFrame::startFramesOnTheWire()
{
    QFETCH(uint, type);
    QFETCH(uint, p1);
    QFETCH(uint, p2);
    QFETCH(QByteArray, wire);
    Line line;
    QVERIFY(line.open);
    Frame f;
    f.type = type;
    f.param1 = p1;
    f.param2 = p2;
    QVERIFY(SendFrame(f, line.port));
    QCOMPARE(line.pty.Receive(wire.size() + 1, 300).toHex(), wire.toHex());
}

void TestFrame::fullDataFrameOnTheWire()
{
    Line line;
    QVERIFY(line.open);
    QByteArray chunk(16384, '\0');
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char(i * 7);
    Frame f;
    f.type = FT_DATA;
    f.param1 = 16384;
    f.data = reinterpret_cast<const uint8_t *>(chunk.constData());
    // The line holds less than a whole chunk: the far end reads while we write.
    std::thread writer([&] { SendFrame(f, line.port); });
    const QByteArray wire = line.pty.Receive(16388, 5000);
    writer.join();
    QCOMPARE(wire.size(), 16388);
    QCOMPARE(wire.left(4).toHex(), Hex("00034000").toHex());
    QVERIFY(wire.mid(4) == chunk);
}

void TestFrame::payloadLimit()
{
    Line line;
    QVERIFY(line.open);
    std::vector<uint8_t> buffer(kMaxFrame + 16, 0xEE);
    QByteArray payload(16384, 'x');
    std::thread meter([&] { line.pty.Send(Hex("00034000") + payload); });
    Frame f;
    const bool whole = ReceiveFrame(f, buffer.data(), kMaxFrame, line.port, line.prompts);
    meter.join();
    QVERIFY(whole);
    QCOMPARE(f.type, uint32_t(FT_DATA));
    QCOMPARE(f.param1, 16384u);
    QCOMPARE(f.data, buffer.data() + 4);
    QCOMPARE(buffer[kMaxFrame], uint8_t(0xEE));

    // One more byte is refused and its payload stays on the line, unread.
    QVERIFY(line.pty.Send(Hex("00034001") + Hex("0002000000040000")));
    QVERIFY(!ReceiveFrame(f, buffer.data(), kMaxFrame, line.port, line.prompts));
    QVERIFY(ReceiveFrame(f, buffer.data(), kMaxFrame, line.port, line.prompts));
    QCOMPARE(f.type, uint32_t(FT_READY));
}

void TestFrame::emptyPayloadEndsAfterHeader()
{
    Line line;
    QVERIFY(line.open);
    uint8_t buffer[100];
    QVERIFY(line.pty.Send(Hex("00040000")));
    Frame f;
    QVERIFY(ReceiveFrame(f, buffer, sizeof buffer, line.port, line.prompts));
    QCOMPARE(f.type, uint32_t(FT_END));
    QCOMPARE(line.prompts.MessageCount(), 0);
}

void TestFrame::unknownTypeIsReportedAndReturned()
{
    Line line;
    QVERIFY(line.open);
    uint8_t buffer[100];
    QVERIFY(line.pty.Send(Hex("00070000")));
    Frame f;
    QVERIFY(ReceiveFrame(f, buffer, sizeof buffer, line.port, line.prompts));
    QCOMPARE(f.type, 7u);
    QCOMPARE(line.prompts.MessageTexts(), QStringList{QStringLiteral("Unknown frame 7!")});
}

void TestFrame::shortIdentIsRefused()
{
    // Two payload bytes hold no identity word: the frame is refused like a garbled one, and the
    // next frame is read normally.
    Line line;
    QVERIFY(line.open);
    uint8_t buffer[100];
    QVERIFY(line.pty.Send(Hex("00000002AABB") + Hex("0000000442010203")));
    Frame f;
    QVERIFY(!ReceiveFrame(f, buffer, sizeof buffer, line.port, line.prompts));
    QVERIFY(ReceiveFrame(f, buffer, sizeof buffer, line.port, line.prompts));
    QCOMPARE(f.type, uint32_t(FT_IDENT));
    QCOMPARE(f.param1, 0x42010203u);
}

void TestFrame::shortTypeFiveReadsOnlyWhatArrived()
{
    Line line;
    QVERIFY(line.open);
    // Leftovers of an earlier, longer frame must not show through.
    std::vector<uint8_t> buffer(kMaxFrame, 0x77);
    QVERIFY(line.pty.Send(Hex("0005000A0102030405060708090A")));
    Frame f;
    QVERIFY(ReceiveFrame(f, buffer.data(), buffer.size(), line.port, line.prompts));
    QCOMPARE(f.type, 5u);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(f.raw), 12).toHex(), Hex("000A0102030405060708090A").toHex());
    for (size_t i = 12; i < sizeof f.raw; ++i)
        QCOMPARE(f.raw[i], uint8_t(0));
}

void TestFrame::frameTooBigForCallerIsDropped()
{
    // 200 payload bytes for a 100-byte buffer: nothing is stored past it, the payload is
    // consumed, and the frame after it is whole.
    Line line;
    QVERIFY(line.open);
    std::vector<uint8_t> buffer(100 + 32, 0xEE);
    QVERIFY(line.pty.Send(Hex("000200C8") + QByteArray(200, 'z') + Hex("00020000")));
    Frame f;
    QVERIFY(!ReceiveFrame(f, buffer.data(), 100, line.port, line.prompts));
    for (size_t i = 100; i < buffer.size(); ++i)
        QCOMPARE(buffer[i], uint8_t(0xEE));
    QVERIFY(ReceiveFrame(f, buffer.data(), 100, line.port, line.prompts));
    QCOMPARE(f.type, uint32_t(FT_READY));
}

void TestFrame::brokenHeaderConsumesItsBytes()
{
    Line line;
    QVERIFY(line.open);
    uint8_t buffer[100];
    QVERIFY(line.pty.Send(Hex("0002")));
    Frame f;
    QVERIFY(!ReceiveFrame(f, buffer, sizeof buffer, line.port, line.prompts));
    QVERIFY(line.pty.Send(Hex("00040000")));
    QVERIFY(ReceiveFrame(f, buffer, sizeof buffer, line.port, line.prompts));
    QCOMPARE(f.type, uint32_t(FT_END));
}

QTEST_GUILESS_MAIN(TestFrame)
#include "tst_frame.moc"
