#pragma once

#include "common/FileResult.h"
#include "database/DbImage.h"
#include "database/DbLayout.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// The meter's parameter database held in memory: the eight blocks of the image, the path of the
// file it came from, and the operations that add and remove satellites and transponders while
// keeping every chain, free chain and count consistent.
//
// Any 241248 bytes may be loaded. Every chain walk is bounded by its table size and checks each
// link, so a damaged image never makes an operation read or write outside the tables or loop;
// an operation that finds the part of the image it works on inconsistent changes nothing and
// fails.
class ParamDatabase
{
public:
    static constexpr int NO_SATELLITE = DbLayout::NO_SATELLITE;
    static constexpr int NO_TRANSPONDER = DbLayout::NO_TRANSPONDER;
    static constexpr int NO_CHANNEL = DbLayout::NO_CHANNEL;
    static constexpr int SATELLITE_RECORD_SIZE = DbLayout::SATELLITE_RECORD_SIZE;
    static constexpr int TRANSPONDER_RECORD_SIZE = DbLayout::TRANSPONDER_RECORD_SIZE;
    static constexpr int CHANNEL_RECORD_SIZE = DbLayout::CHANNEL_RECORD_SIZE;
    static constexpr int IMAGE_SIZE = DbLayout::IMAGE_SIZE;

    // A walk along one chain: the indices met in chain order, and whether the chain was whole
    // (every link in range, no loop, members in use, back links agreeing, ending where its
    // header says).
    struct Chain {
        std::vector<int> indices;
        bool complete = false;
    };

    ParamDatabase();
    // A database holding the image, for reading and checking it; null when the bytes are not
    // an image. Costs no empty tables set up only to be overwritten.
    static std::unique_ptr<ParamDatabase> FromImage(const QByteArray &bytes);
    ~ParamDatabase();
    ParamDatabase(const ParamDatabase &) = delete;
    ParamDatabase &operator=(const ParamDatabase &) = delete;

    // --- Files ---------------------------------------------------------------------------
    // Reads a whole image. On any failure the database keeps its previous image and path.
    FileResult Load(const QString &path);
    // Writes the image to the path of the last successful Load.
    FileResult Save();
    // Writes the image atomically: the file is replaced only once every byte is written.
    FileResult SaveAs(const QString &path);
    // An empty, consistent database: no satellites, every record on its free chain.
    void InitEmpty();

    bool IsLoaded() const { return m_loaded; }
    QString Path() const { return m_path; }

    // The image as file bytes, and taking one over (exactly IMAGE_SIZE bytes, else false).
    QByteArray ToBytes() const;
    bool FromBytes(const QByteArray &bytes);

    // --- Records and headers -------------------------------------------------------------
    // Null when the index is outside the table.
    SatelliteRecord *SatelliteAt(int index);
    const SatelliteRecord *SatelliteAt(int index) const;
    TransponderRecord *TransponderAt(int index);
    const TransponderRecord *TransponderAt(int index) const;
    ChannelRecord *ChannelAt(int index);
    const ChannelRecord *ChannelAt(int index) const;

    SatelliteHeader &SatHeader() { return m_img->satHeader; }
    const SatelliteHeader &SatHeader() const { return m_img->satHeader; }
    TransponderHeader &TpHeader() { return m_img->tpHeader; }
    const TransponderHeader &TpHeader() const { return m_img->tpHeader; }
    ChannelHeader &ChHeader()
    {
        ChannelsMayChange();
        return m_img->chHeader;
    }
    const ChannelHeader &ChHeader() const { return m_img->chHeader; }

    const DbImage &Image() const { return *m_img; }
    DbImage &Image()
    {
        ChannelsMayChange();
        return *m_img;
    }

    // The satellites in listing order, and the transponders of one satellite in listing order.
    Chain SatelliteChain() const;
    Chain TransponderChain(int slot) const;

    // Runs steps, a series of the operations below that must all succeed: when it returns false
    // the image is put back as it was before the first of them. The operations inside share one
    // index of the channels by transponder, so that releasing many transponders walks the
    // channel chains once; steps that change channel records themselves (through ChannelAt,
    // ChHeader or Image) have it made again when next needed.
    bool AllOrNothing(const std::function<bool()> &steps);

    // --- Record operations ---------------------------------------------------------------
    // A satellite index is the low 8 bits of its argument, a transponder or channel index the
    // low 16 bits. Each operation that fails leaves the image as it was.

    // Appends a satellite with the record's name, position and setupByte; slot 64 when full.
    bool AddSatellite(const SatelliteRecord &record, int &slot);
    // Deletes a satellite with its transponders and their channels. A damaged transponder chain
    // does not keep the satellite: what only it reaches is freed.
    bool DeleteSatellite(int slot);
    bool GetSatellite(int slot, SatelliteRecord &record) const;
    // Writes the whole record, links and counts included: pass back what GetSatellite gave.
    bool SetSatellite(int slot, const SatelliteRecord &record);
    bool DeleteSatelliteTransponders(int slot);
    // Deletes transponder tp, which must be on satellite slot's chain, with its channels.
    bool DeleteTransponder(int slot, int tp);
    // Frees tp with its channels, taking it off whichever satellite chain still holds it.
    bool ReleaseTransponder(int tp);
    // Takes the first free transponder record; NO_TRANSPONDER (and no change) when none is
    // left. The caller fills the record and sets its inUse bit before AppendTransponder.
    int AllocateTransponder();
    // Links an in-use transponder that is on no chain at the end of satellite slot's chain,
    // which must be whole; damage on other satellites' chains does not stop it.
    bool AppendTransponder(int slot, int tp);
    bool DeleteChannelsOfTransponder(int tp);
    // True also when there was nothing to delete; false only when the image around the
    // channel is inconsistent (then nothing changes).
    bool DeleteChannel(int ch);

private:
    enum class Step { Done, Nothing, Refused };

    struct Unset {};
    explicit ParamDatabase(Unset); // tables left zero, for a caller that fills the whole image

    template <typename F>
    bool Transaction(F &&f);

    bool ValidSatellite(int s) const;
    Step DeleteTransponderImpl(int s, int tp);
    bool DeleteSatelliteTranspondersImpl(int s);
    bool DeleteChannelsOfTransponderImpl(int tp);
    // The channels of each transponder on the two kind chains, in chain order, found in one
    // walk so that taking a satellite's transponders costs one walk, not one per transponder.
    // Lists in chain order: first[k][t] is transponder t's first channel on kind chain k (0: kind
    // 1), plus one (0: none); next[c] is the channel after c of the same list, plus one. Only a
    // chain that is whole (doubly linked, in use, of its kind) has lists: only on such a chain do
    // deletions leave every other member where the walk would find it. A damaged chain is walked.
    struct ChannelsByTransponder {
        std::unique_ptr<int[]> first[2]; // NO_TRANSPONDER each
        std::unique_ptr<int[]> next;     // NO_CHANNEL
        bool whole[2] = {false, false};
    };
    // False (and no index) when neither kind chain is whole.
    bool IndexChannels(ChannelsByTransponder &index) const;
    // The index while an operation that may take many transponders runs: made when the first
    // transponder's channels are deleted, so that an operation that deletes none costs no walk.
    struct ChannelIndex {
        enum class State { Unmade, Made, Unusable } state = State::Unmade;
        ChannelsByTransponder byTransponder;
    };
    // The index in force, made now if it is still unmade; null when there is none.
    const ChannelsByTransponder *ChannelIndexInForce();
    // Channel records may change other than by deleting them: an index in force is made again.
    void ChannelsMayChange()
    {
        if (m_channelIndex)
            m_channelIndex->state = ChannelIndex::State::Unmade;
    }
    // Runs f with the channel index in force where the chains allow one.
    template <typename F>
    bool WithChannelIndex(F &&f);
    Step DeleteChannelImpl(int ch);
    // Whether satellite s's chain, walked forwards from its first or backwards from its last
    // (as far as its links hold), meets tp.
    bool ReachesTransponder(int s, int tp) const;
    // The records satellite s's chain reaches that way, each once.
    std::vector<int> ReachedTransponders(int s) const;
    // The slots that may hold transponders, and those among them whose chains reach tp.
    std::vector<int> SatelliteCandidates() const;
    std::vector<int> TransponderClaimants(int tp) const;
    // Takes a damaged chain off satellite s, freeing the records only it reaches.
    bool DropDamagedTransponders(int s);
    bool CanUnlinkTransponder(int s, int tp) const;
    void UnlinkTransponder(int s, int tp);
    bool CanFreeTransponder(int tp) const;
    void FreeTransponder(int tp);

    std::unique_ptr<DbImage> m_img;
    std::unique_ptr<DbImage> m_undo;   // the image before the running compound operation (made by the first)
    std::unique_ptr<DbImage> m_snapshot; // the image before the outermost AllOrNothing (made by the first)
    bool m_snapshotInUse = false;
    QString m_path;
    bool m_loaded = false;
    ChannelIndex *m_channelIndex = nullptr;
};

template <typename F>
bool ParamDatabase::WithChannelIndex(F &&f)
{
    if (m_channelIndex)
        return f();
    ChannelIndex index;
    m_channelIndex = &index;
    const bool done = f();
    m_channelIndex = nullptr;
    return done;
}

// Runs f on the live image; if it fails, the image is put back as it was before.
template <typename F>
bool ParamDatabase::Transaction(F &&f)
{
    if (m_undo)
        *m_undo = *m_img;
    else
        m_undo = std::make_unique<DbImage>(*m_img);
    if (f())
        return true;
    *m_img = *m_undo;
    return false;
}
