// Fuzz target for the parameter database: takes an image from the input (raw, or a sample
// image with bytes patched), then runs the record operations the input asks for. The sanitizers
// guard memory; libFuzzer's time-out guards termination; and an image that starts consistent
// must still be consistent after the operations.
//
// Input: byte 0 selects the mode. Even, and long enough: the next 241248 bytes are the image.
// Otherwise: seed, satellite count, channel count / 16 and a patch count follow, then that many
// patches of 3 offset bytes and 1 xor byte. The rest is operations of 5 bytes each.
#include "SampleDatabase.h"

#include "database/DatabaseChecker.h"
#include "database/ParamDatabase.h"

#include <QByteArray>
#include <QHash>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>

using namespace DbLayout;

namespace {

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    size_t Left() const { return m_size - m_pos; }
    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int Word() { return Byte() | Byte() << 8; }
    const uint8_t *Take(size_t n)
    {
        const uint8_t *p = m_data + m_pos;
        m_pos += n;
        return p;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void Fail(const QStringList &problems, int lastOp)
{
    std::fprintf(stderr, "the operations (last %d) left the image inconsistent:\n%s\n", lastOp,
                 qPrintable(problems.join(QLatin1Char('\n'))));
    std::abort();
}

// What the editor's Apply does with satellite s's rows: forget the chain, release some rows,
// store a few new ones and append the rest back. One compound, as in the editor, so that the
// releases share one channel index; but a step that fails does not undo the others (the editor's
// would), which leaves those partial results to the operations after it.
void Apply(ParamDatabase &db, int s, int mask, int added)
{
    SatelliteRecord rec;
    if (!db.GetSatellite(s, rec))
        return;
    const ParamDatabase::Chain rows = db.TransponderChain(s);
    if (!rows.complete)
        return;
    db.AllOrNothing([&] {
        db.TpHeader().SetCount(db.TpHeader().Count() - rec.TpCount());
        rec.SetFirstTp(NO_TRANSPONDER);
        rec.SetLastTp(NO_TRANSPONDER);
        rec.SetTpCount(0);
        db.SetSatellite(s, rec);
        int bit = 0;
        for (int t : rows.indices) {
            if (mask >> (bit++ % 16) & 1)
                db.ReleaseTransponder(t);
            else
                db.AppendTransponder(s, t);
        }
        for (int n = 0; n < added; ++n) {
            const int t = db.AllocateTransponder();
            if (t == NO_TRANSPONDER)
                break;
            db.TransponderAt(t)->SetInUse(1);
            db.AppendTransponder(s, t);
        }
        return true;
    });
}

void RunOp(ParamDatabase &db, int op, int a, int b)
{
    switch (op) {
    case 0: {
        SatelliteRecord rec;
        rec.SetName(QByteArray::number(a));
        rec.SetPosition(b);
        int slot = 0;
        db.AddSatellite(rec, slot);
        break;
    }
    case 1: db.DeleteSatellite(a); break;
    case 2: {
        SatelliteRecord rec;
        if (db.GetSatellite(a, rec)) {
            rec.SetName(QByteArray::number(b));
            db.SetSatellite(a, rec);
        }
        break;
    }
    case 3: db.DeleteSatelliteTransponders(a); break;
    case 4: db.DeleteTransponder(a, b); break;
    case 5: db.ReleaseTransponder(a); break;
    case 6: db.DeleteChannelsOfTransponder(a); break;
    case 7: db.DeleteChannel(a); break;
    case 8: Apply(db, a, b, a >> 8 & 3); break;
    case 9: db.SatelliteChain(); db.TransponderChain(a); break;
    default: {
        // A transponder of a satellite, picked by position in its chain.
        const ParamDatabase::Chain chain = db.TransponderChain(a);
        if (!chain.indices.empty())
            db.DeleteTransponder(a, chain.indices[size_t(b) % chain.indices.size()]);
    }
    }
}

// Sample images are costly to make; inputs share a few hundred of them.
const QByteArray &Sample(const SampleDatabase::Options &o)
{
    static QHash<quint32, QByteArray> cache;
    const quint32 key = o.seed << 16 | quint32(o.satellites) << 8 | quint32(o.channels / 16);
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 512)
            cache.clear();
        it = cache.insert(key, SampleDatabase::Make(o));
    }
    return *it;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One database for the run: every input's image replaces the whole of the last one.
    static ParamDatabase db;
    Input in(data, size);
    const uint8_t mode = in.Byte();
    bool consistent = false;
    if (mode % 2 == 0 && in.Left() >= size_t(IMAGE_SIZE)) {
        db.FromBytes(QByteArray::fromRawData(reinterpret_cast<const char *>(in.Take(IMAGE_SIZE)), IMAGE_SIZE));
        consistent = DatabaseChecker::Check(db, 1).isEmpty();
    } else {
        SampleDatabase::Options o;
        o.seed = in.Byte();
        o.satellites = in.Byte() % 23;
        o.maxTranspondersPerSatellite = 40;
        o.channels = in.Byte() * 16;
        const QByteArray &sample = Sample(o);
        const int patches = in.Byte() % 16;
        consistent = patches == 0;
        if (patches == 0) {
            db.FromBytes(sample);
        } else {
            static QByteArray bytes(IMAGE_SIZE, Qt::Uninitialized); // patched in place, input after input
            std::memcpy(bytes.data(), sample.constData(), size_t(IMAGE_SIZE));
            for (int p = 0; p < patches; ++p) {
                const int at = int((in.Byte() | in.Byte() << 8 | in.Byte() << 16) % unsigned(IMAGE_SIZE));
                bytes[at] = char(bytes[at] ^ in.Byte());
            }
            db.FromBytes(bytes);
        }
    }
    // The checker is the costly part, so a consistent image is checked once, at the end: an
    // operation that broke it leaves damage the later ones refuse to touch.
    int last = -1;
    for (int op = 0; in.Left() >= 5 && op < 64; ++op) {
        last = in.Byte() % 11;
        const int a = in.Word();
        const int b = in.Word();
        RunOp(db, last, a, b);
    }
    const QStringList problems = DatabaseChecker::Check(db, 10);
    if (consistent && !problems.isEmpty())
        Fail(problems, last);
    return 0;
}
