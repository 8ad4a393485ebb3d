#include "database/ParamDatabase.h"

#include "database/ChainLinks.h"

#include <cstring>

using namespace DbLayout;

ParamDatabase::ParamDatabase() : m_img(std::make_unique<DbImage>())
{
    InitEmpty();
}

ParamDatabase::ParamDatabase(Unset) : m_img(std::make_unique<DbImage>()) {}

std::unique_ptr<ParamDatabase> ParamDatabase::FromImage(const QByteArray &bytes)
{
    if (bytes.size() != IMAGE_SIZE)
        return nullptr;
    std::unique_ptr<ParamDatabase> db(new ParamDatabase(Unset{}));
    db->FromBytes(bytes);
    return db;
}

ParamDatabase::~ParamDatabase() = default;

void ParamDatabase::InitEmpty()
{
    ChannelsMayChange();
    *m_img = DbImage{};
    SatelliteHeader &sh = m_img->satHeader;
    sh.SetFirst(NO_SATELLITE);
    sh.SetLast(NO_SATELLITE);
    sh.SetFreeFirst(0);
    sh.SetCount(0);
    for (int i = 0; i < NO_SATELLITE; ++i) {
        SatelliteRecord &r = m_img->satellites[size_t(i)];
        r.SetNext(i + 1);
        r.SetPrev(i == 0 ? NO_SATELLITE : i - 1);
        r.SetFirstTp(NO_TRANSPONDER);
        r.SetLastTp(NO_TRANSPONDER);
        r.SetKind1First(NO_CHANNEL);
        r.SetKind1Last(NO_CHANNEL);
        r.SetOtherFirst(NO_CHANNEL);
        r.SetOtherLast(NO_CHANNEL);
    }
    m_img->tpHeader.SetFreeFirst(0);
    m_img->tpHeader.SetCount(0);
    for (int i = 0; i < NO_TRANSPONDER; ++i) {
        TransponderRecord &r = m_img->transponders[size_t(i)];
        r.SetNext(i + 1);
        r.SetPrev(i == 0 ? NO_TRANSPONDER : i - 1);
    }
    ChannelHeader &ch = m_img->chHeader;
    ch.SetKind1First(NO_CHANNEL);
    ch.SetKind1Last(NO_CHANNEL);
    ch.SetOtherFirst(NO_CHANNEL);
    ch.SetOtherLast(NO_CHANNEL);
    for (int g = 0; g < GROUP_COUNT; ++g) {
        ch.SetGroupFirst(g, NO_CHANNEL);
        ch.SetGroupLast(g, NO_CHANNEL);
        ch.SetGroupCount(g, 0);
    }
    ch.SetFreeFirst(0);
    for (int i = 0; i < NO_CHANNEL; ++i) {
        ChannelRecord &r = m_img->channels[size_t(i)];
        r.SetNext(i + 1);
        r.SetPrev(i == 0 ? NO_CHANNEL : i - 1);
        for (int g = 0; g < GROUP_COUNT; ++g) {
            r.SetGroupNext(g, NO_CHANNEL);
            r.SetGroupPrev(g, NO_CHANNEL);
        }
        r.SetSatNext(NO_CHANNEL);
        r.SetSatPrev(NO_CHANNEL);
    }
}

QByteArray ParamDatabase::ToBytes() const
{
    QByteArray bytes;
    bytes.reserve(IMAGE_SIZE);
    for (const auto &block : m_img->Blocks())
        bytes.append(block.data, block.size);
    return bytes;
}

bool ParamDatabase::FromBytes(const QByteArray &bytes)
{
    if (bytes.size() != IMAGE_SIZE)
        return false;
    ChannelsMayChange();
    const char *p = bytes.constData();
    for (const auto &block : m_img->Blocks()) {
        std::memcpy(block.data, p, size_t(block.size));
        p += block.size;
    }
    return true;
}

SatelliteRecord *ParamDatabase::SatelliteAt(int index)
{
    return index >= 0 && index < NO_SATELLITE ? &m_img->satellites[size_t(index)] : nullptr;
}

const SatelliteRecord *ParamDatabase::SatelliteAt(int index) const
{
    return index >= 0 && index < NO_SATELLITE ? &m_img->satellites[size_t(index)] : nullptr;
}

TransponderRecord *ParamDatabase::TransponderAt(int index)
{
    return index >= 0 && index < NO_TRANSPONDER ? &m_img->transponders[size_t(index)] : nullptr;
}

const TransponderRecord *ParamDatabase::TransponderAt(int index) const
{
    return index >= 0 && index < NO_TRANSPONDER ? &m_img->transponders[size_t(index)] : nullptr;
}

ChannelRecord *ParamDatabase::ChannelAt(int index)
{
    ChannelsMayChange();
    return index >= 0 && index < NO_CHANNEL ? &m_img->channels[size_t(index)] : nullptr;
}

const ChannelRecord *ParamDatabase::ChannelAt(int index) const
{
    return index >= 0 && index < NO_CHANNEL ? &m_img->channels[size_t(index)] : nullptr;
}

bool ParamDatabase::AllOrNothing(const std::function<bool()> &steps)
{
    // A snapshot of its own: the operations inside take their own for their guards. The
    // outermost call keeps its buffer for the next one; a nested call takes a new one.
    std::unique_ptr<DbImage> nested;
    const bool outermost = !m_snapshotInUse;
    DbImage *before = nullptr;
    if (outermost) {
        if (m_snapshot)
            *m_snapshot = *m_img;
        else
            m_snapshot = std::make_unique<DbImage>(*m_img);
        before = m_snapshot.get();
        m_snapshotInUse = true;
    } else {
        nested = std::make_unique<DbImage>(*m_img);
        before = nested.get();
    }
    const bool done = WithChannelIndex(steps);
    if (outermost)
        m_snapshotInUse = false;
    if (!done)
        *m_img = *before;
    return done;
}

namespace {

// A doubly linked chain of records in use, walked from first while every record links back to
// the one before; complete when the walk ends at last.
template <typename Records>
ParamDatabase::Chain WalkChain(const Records &records, int first, int last, int none)
{
    ParamDatabase::Chain chain;
    int prev = none;
    bool ok = true;
    const bool walked = ChainLinks::Walk(
        first, none,
        [&](int i) { return records[size_t(i)].Next(); },
        [&](int i) {
            const auto &r = records[size_t(i)];
            if (!r.InUse() || r.Prev() != prev) {
                ok = false;
                return false;
            }
            chain.indices.push_back(i);
            prev = i;
            return true;
        });
    chain.complete = walked && ok && prev == last;
    return chain;
}

} // namespace

ParamDatabase::Chain ParamDatabase::SatelliteChain() const
{
    return WalkChain(m_img->satellites, m_img->satHeader.First(), m_img->satHeader.Last(), NO_SATELLITE);
}

ParamDatabase::Chain ParamDatabase::TransponderChain(int slot) const
{
    const int s = slot & 0xFF;
    if (!ValidSatellite(s))
        return {};
    const SatelliteRecord &sat = m_img->satellites[size_t(s)];
    return WalkChain(m_img->transponders, sat.FirstTp(), sat.LastTp(), NO_TRANSPONDER);
}

bool ParamDatabase::ValidSatellite(int s) const
{
    return s >= 0 && s < NO_SATELLITE && m_img->satellites[size_t(s)].InUse();
}
