// The byte layout of the database image: field positions, bit fields that keep their neighbours,
// names, and where each record lands in the file.
#include "database/ParamDatabase.h"

#include <QTest>

#include <random>

using namespace DbLayout;

namespace {

template <typename Rec>
Rec FromBytes(std::initializer_list<int> bytes, int offset)
{
    Rec r;
    int i = offset;
    for (int b : bytes)
        r.raw[size_t(i++)] = quint8(b);
    return r;
}

// One named bit field sharing a word with others: where it lives and how the record type sets it.
template <typename Rec>
struct Field {
    const char *name;
    int offset, lo, width;
    void (Rec::*set)(int);
};

// Sets each field of a randomly filled record to random values and checks that exactly the
// field's own bits changed, and that they read back.
template <typename Rec>
void CheckFieldsKeepOtherBits(const std::vector<Field<Rec>> &fields)
{
    std::mt19937 rng(7);
    for (const Field<Rec> &f : fields) {
        for (int round = 0; round < 20; ++round) {
            Rec r;
            for (auto &b : r.raw)
                b = quint8(rng());
            const Rec before = r;
            const quint32 value = quint32(rng()) & LeBits::Mask(f.width);
            (r.*f.set)(int(value));
            QCOMPARE(LeBits::GetField(r.raw.data() + f.offset, f.lo, f.width), value);
            const quint32 mask = LeBits::Mask(f.width) << f.lo;
            for (size_t i = 0; i < r.raw.size(); ++i) {
                const bool inWord = int(i) >= f.offset && int(i) < f.offset + 4;
                const quint8 byteMask = inWord ? quint8(mask >> (8 * (int(i) - f.offset))) : 0;
                if ((r.raw[i] & ~byteMask) != (before.raw[i] & ~byteMask))
                    QFAIL(qPrintable(QStringLiteral("%1 changed byte %2").arg(f.name).arg(i)));
            }
        }
    }
}

} // namespace

class TestDbLayout : public QObject
{
    Q_OBJECT

private slots:
    void workedDecodings()
    {
        const auto tp = FromBytes<TransponderRecord>({0x09, 0x00, 0xE2, 0x84}, 8);
        QCOMPARE((QVector<int>{tp.Polarisation(), tp.Next(), tp.Prev(), tp.SpareBits(), tp.InUse()}),
                 (QVector<int>{1, 2, NO_TRANSPONDER, 0, 1}));
        const auto sat = FromBytes<SatelliteRecord>({0x03, 0x40, 0xC0, 0x10}, 8);
        QCOMPARE((QVector<int>{sat.Next(), sat.Prev(), sat.Position(), sat.InUse()}),
                 (QVector<int>{3, NO_SATELLITE, 192, 1}));
        const auto ch = FromBytes<ChannelRecord>({0x05, 0xE8, 0x3B, 0x00}, 8);
        QCOMPARE((QVector<int>{ch.Groups(), ch.InGroup(0), ch.InGroup(1), ch.InGroup(2), ch.InGroup(3), ch.Next(),
                               ch.Prev()}),
                 (QVector<int>{0b000101, 1, 0, 1, 0, NO_CHANNEL, 7}));
    }

    void bitFieldsLeaveOtherBits()
    {
        using S = SatelliteRecord;
        CheckFieldsKeepOtherBits<S>({{"lastTp", 0, 16, 16, &S::SetLastTp}, {"setupByte", 4, 16, 8, &S::SetSetupByte},
                                     {"slot", 4, 24, 8, &S::SetSlot}, {"next", 8, 0, 8, &S::SetNext},
                                     {"prev", 8, 8, 8, &S::SetPrev}, {"position", 8, 16, 12, &S::SetPosition},
                                     {"inUse", 8, 28, 1, &S::SetInUse}, {"otherLast", 20, 16, 16, &S::SetOtherLast}});
        using T = TransponderRecord;
        CheckFieldsKeepOtherBits<T>({{"polarisation", 8, 0, 2, &T::SetPolarisation}, {"next", 8, 2, 13, &T::SetNext},
                                     {"prev", 8, 15, 13, &T::SetPrev}, {"spare", 8, 28, 3, &T::SetSpareBits},
                                     {"inUse", 8, 31, 1, &T::SetInUse}});
        using C = ChannelRecord;
        CheckFieldsKeepOtherBits<C>({{"transponder", 0, 16, 16, &C::SetTransponder}, {"kind", 4, 0, 2, &C::SetKind},
                                     {"inUse", 4, 30, 1, &C::SetInUse}, {"groups", 8, 0, 6, &C::SetGroups},
                                     {"next", 8, 6, 13, &C::SetNext}, {"prev", 8, 19, 13, &C::SetPrev},
                                     {"satellite", 12, 13, 8, &C::SetSatellite}, {"satPrev", 16, 13, 13, &C::SetSatPrev}});
    }

    void names()
    {
        SatelliteRecord r;
        r.raw.fill(0xAA);
        r.SetName("SES-5 / ASTRA 4A");   // 16 characters: no terminator
        QCOMPARE(r.Name(), QByteArray("SES-5 / ASTRA 4A"));
        QCOMPARE(r.raw[SatelliteRecord::NAME_OFFSET - 1], quint8(0xAA));

        r.SetName("ASTRA 1KR");
        QCOMPARE(r.Name(), QByteArray("ASTRA 1KR"));
        QCOMPARE(r.raw[24 + 9], quint8(0));
        QCOMPARE(r.raw[24 + 10], quint8('T'));   // bytes after the terminator keep their content

        r.SetName(QByteArray("A NAME THAT IS FAR TOO LONG"));
        QCOMPARE(r.Name(), QByteArray("A NAME THAT IS F"));
    }

    void recordsLandAtTheirFileOffsets()
    {
        ParamDatabase db;
        db.SatelliteAt(5)->SetFirstTp(0x1234);
        db.TransponderAt(2499)->SetFrequency(0xA1B2C3D4);
        db.ChannelAt(3999)->SetGroupPrev(3, 0x5678);
        db.TpHeader().SetCount(0x0102);
        db.ChHeader().SetKind1Count(0x0304);
        db.SatHeader().SetCount(0x3F);
        const QByteArray b = db.ToBytes();
        QCOMPARE(b.size(), IMAGE_SIZE);
        auto u16 = [&](int off) { return LeBits::Get16(reinterpret_cast<const quint8 *>(b.constData() + off)); };
        auto u32 = [&](int off) { return LeBits::Get32(reinterpret_cast<const quint8 *>(b.constData() + off)); };
        QCOMPARE(u16(644 + 5 * 40), quint16(0x1234));
        QCOMPARE(u32(3208 + 2499 * 12 + 4), 0xA1B2C3D4u);
        QCOMPARE(u16(33248 + 3999 * 52 + 34), quint16(0x5678));
        QCOMPARE(u16(3204 + 2), quint16(0x0102));
        QCOMPARE(u16(33208 + 36), quint16(0x0304));
        QCOMPARE(quint8(b[632 + 3]), quint8(0x3F));

        QVERIFY(!db.SatelliteAt(64) && !db.SatelliteAt(-1));
        QVERIFY(!db.TransponderAt(2500) && !db.ChannelAt(4000));
    }
};

QTEST_GUILESS_MAIN(TestDbLayout)
#include "tst_dblayout.moc"
