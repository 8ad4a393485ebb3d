#include "DbTestUtil.h"

#include "database/LeBits.h"

using namespace DbLayout;

namespace DbTestUtil {

int AddSat(ParamDatabase &db, const char *name, int position)
{
    SatelliteRecord rec;
    rec.SetName(QByteArray(name));
    rec.SetPosition(position);
    rec.SetSetupByte(0x41);
    int slot = NO_SATELLITE;
    db.AddSatellite(rec, slot);
    return slot;
}

int AddTp(ParamDatabase &db, int slot, quint32 frequencyKHz)
{
    const int tp = db.AllocateTransponder();
    if (tp == NO_TRANSPONDER)
        return tp;
    TransponderRecord &r = *db.TransponderAt(tp);
    r.SetFrequency(frequencyKHz);
    r.SetSymbolRate(27500000);
    r.SetPolarisation(1);
    r.SetInUse(1);
    if (!db.AppendTransponder(slot, tp))
        return NO_TRANSPONDER;
    return tp;
}

namespace {

void KeepBits(QByteArray &out, const QByteArray &in, int offset, quint32 mask)
{
    auto *dst = reinterpret_cast<quint8 *>(out.data() + offset);
    LeBits::Set32(dst, LeBits::Get32(reinterpret_cast<const quint8 *>(in.constData() + offset)) & mask);
}

void KeepBytes(QByteArray &out, const QByteArray &in, int offset, int size)
{
    out.replace(offset, size, in.mid(offset, size));
}

} // namespace

QByteArray UninterpretedBits(const QByteArray &image)
{
    QByteArray out(image.size(), '\0');
    KeepBytes(out, image, LEADING_OFFSET, LEADING_SIZE + LNB_LIST_SIZE);
    KeepBytes(out, image, SATELLITE_HEADER_OFFSET + 4, 8);
    KeepBytes(out, image, CHANNEL_HEADER_OFFSET + 38, 2);
    for (int i = 0; i < NO_SATELLITE; ++i)
        KeepBits(out, image, SATELLITE_TABLE_OFFSET + i * SATELLITE_RECORD_SIZE + 8, 0xE0000000u);
    for (int i = 0; i < NO_TRANSPONDER; ++i)
        KeepBits(out, image, TRANSPONDER_TABLE_OFFSET + i * TRANSPONDER_RECORD_SIZE + 8, 0x70000000u);
    for (int i = 0; i < NO_CHANNEL; ++i) {
        const int base = CHANNEL_TABLE_OFFSET + i * CHANNEL_RECORD_SIZE;
        KeepBits(out, image, base + 0, 0x0000FFFFu);
        KeepBits(out, image, base + 4, ~(0x3u | 1u << 30));
        KeepBits(out, image, base + 8, 0x3Fu);   // the group mask is never changed either
        KeepBits(out, image, base + 12, ~(0xFFu << 13));
        KeepBits(out, image, base + 16, 0xFC000000u);
        KeepBytes(out, image, base + 36, 16);
    }
    return out;
}

namespace {

template <typename Next>
std::vector<int> Collect(int first, int sentinel, Next next)
{
    std::vector<int> out;
    for (int cur = first; cur >= 0 && cur < sentinel && int(out.size()) < sentinel; cur = next(cur))
        out.push_back(cur);
    return out;
}

} // namespace

std::vector<int> FreeTransponders(const ParamDatabase &db)
{
    return Collect(db.TpHeader().FreeFirst(), NO_TRANSPONDER,
                   [&](int i) { return db.TransponderAt(i)->Next(); });
}

std::vector<int> ChannelChain(const ParamDatabase &db, bool kind1)
{
    return Collect(kind1 ? db.ChHeader().Kind1First() : db.ChHeader().OtherFirst(), NO_CHANNEL,
                   [&](int i) { return db.ChannelAt(i)->Next(); });
}

std::vector<int> GroupChain(const ParamDatabase &db, int g)
{
    return Collect(db.ChHeader().GroupFirst(g), NO_CHANNEL,
                   [&](int i) { return db.ChannelAt(i)->GroupNext(g); });
}

} // namespace DbTestUtil
