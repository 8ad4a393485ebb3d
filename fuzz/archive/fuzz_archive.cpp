// Fuzz target for the backup archive's folder: the input fills a folder with names and contents
// (files, links, FIFOs, folders, huge sparse files, damaged databases), then the archive lists
// and describes it, keeps a read and a save into it and prunes it. The sanitizers guard memory;
// libFuzzer's time-out guards hangs (a FIFO opened for reading); and the archive must never
// write through a link, read a stray file, remove what is not a version, or lose what it kept.
//
// Input: keep-versions, keep-days, size cap (in 256 KiB, 0: the default), image seed; then
// entries of: kind, name length, name, data length (2 bytes), data.
#include "SampleDatabase.h"

#include "document/BackupArchive.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool AtEnd() const { return m_pos >= m_size; }
    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QByteArray Bytes(size_t n)
    {
        n = std::min(n, m_size - m_pos);
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "archive: %s\n", what);
        std::abort();
    }
}

const QByteArray &Sample(uint8_t seed)
{
    static const QByteArray samples[] = {SampleDatabase::Make({0, 6, 20, 200}), SampleDatabase::Make({1, 6, 20, 200}),
                                         SampleDatabase::Make({2, 6, 20, 200}), SampleDatabase::Make({3, 6, 20, 200})};
    return samples[seed % 4];
}

int RemoveOne(const char *path, const struct stat *, int, struct FTW *)
{
    return ::remove(path);
}

// One folder for the whole run, on a memory file system where there is one; emptied each time.
struct Place {
    QString root;
    QString folder;  // the archive
    QString outside; // a file beside it that no link may lead the archive to change
    Place()
    {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/fuzz-archive-XXXXXX"));
        Check(::mkdtemp(pattern.data()) != nullptr, "no temporary folder");
        root = QFile::decodeName(pattern);
        folder = root + QStringLiteral("/backups");
        outside = root + QStringLiteral("/outside.bin");
        // The settings file must not change the limits under us.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    }
    ~Place() { ::nftw(QFile::encodeName(root).constData(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS); }
    Place(const Place &) = delete;
    Place &operator=(const Place &) = delete;
    void Reset() const
    {
        ::nftw(QFile::encodeName(folder).constData(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
        ::unlink(QFile::encodeName(root + QStringLiteral("/missing.bin")).constData());
        QDir().mkpath(folder);
        QFile file(outside);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("outside") == 7, "cannot reset");
    }
};

void Plant(const Place &place, Input &in)
{
    const uint8_t kind = in.Byte();
    QByteArray name = in.Bytes(in.Byte());
    name.replace('/', '_').replace('\0', '_');
    if (name.isEmpty() || name == "." || name == "..")
        return;
    const QString path = place.folder + QLatin1Char('/') + QFile::decodeName(name);
    const size_t length = in.Byte() | size_t(in.Byte()) << 8;
    QByteArray data = in.Bytes(length);
    const QByteArray local = QFile::encodeName(path);
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return;
    switch (kind % 7) {
    case 0: break;
    case 1: QFile::link(place.outside, path); return;
    case 2: ::mkfifo(local.constData(), 0600); return;
    case 3: QDir().mkdir(path); return;
    case 4: QFile::link(place.root + QStringLiteral("/missing.bin"), path); return;
    case 5: { // a sample database, xor-patched by the data's (offset, byte) triples
        const QByteArray &sample = Sample(uint8_t(kind));
        static QByteArray image(sample.size(), Qt::Uninitialized); // patched in place, input after input
        std::memcpy(image.data(), sample.constData(), size_t(sample.size()));
        for (qsizetype i = 0; i + 2 < data.size(); i += 3)
            image[(uint8_t(data[i]) | uint8_t(data[i + 1]) << 8) * 4 % image.size()] ^= data[i + 2];
        data = image;
        break;
    }
    default: { // far larger than a database, and sparse
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.resize(BackupArchive::MAX_KEPT_BYTES + 1 + data.size());
        return;
    }
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

int Strays(const QList<BackupArchive::Entry> &entries)
{
    return int(std::count_if(entries.begin(), entries.end(), [](const auto &e) { return !e.IsVersion(); }));
}

// Only a version of the same size is read, into one buffer for the whole run: reading every
// version for each question, into a new buffer each time, was a good part of the run.
bool Holds(const QList<BackupArchive::Entry> &entries, const QByteArray &bytes)
{
    static QByteArray kept;
    for (const BackupArchive::Entry &entry : entries) {
        if (entry.size != bytes.size() || !entry.IsVersion())
            continue;
        kept.resize(bytes.size());
        QFile file(entry.filePath);
        if (file.open(QIODevice::ReadOnly) && file.read(kept.data(), kept.size()) == kept.size() && kept == bytes)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Place place;
    place.Reset();
    Input in(data, size);
    const int versions = in.Byte() % 16;
    const int days = in.Byte() % 64;
    const int cap = in.Byte();
    const QByteArray image = Sample(in.Byte());
    for (int n = 0; n < 64 && !in.AtEnd(); ++n)
        Plant(place, in);

    // Made once: its limits come from the settings file, which is read when it is made.
    static const BackupArchive made(place.folder);
    BackupArchive archive = made;
    archive.SetLimits(versions, days);
    if (cap)
        archive.SetMaxBytes(qint64(cap) << 18);
    // The seeds name the next names after this time.
    QDateTime now(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    archive.SetClock([now] { return now; });

    const QList<BackupArchive::Entry> before = archive.Entries();
    for (const BackupArchive::Entry &entry : before) {
        Check(QFileInfo(entry.filePath).absolutePath() == place.folder, "an entry outside the folder");
        BackupArchive::Describe(entry);
    }
    const bool read = bool(archive.KeepRead(image, 0x42010203));
    const bool saved = bool(archive.KeepBeforeSave(place.outside, QByteArray("next")));
    // Listed once for both: the save's pruning must not have taken the read's version either.
    const QList<BackupArchive::Entry> after = archive.Entries();
    Check(read && Holds(after, image), "a read was not kept");
    Check(saved && Holds(after, "outside"), "a save was not kept");
    QFile outside(place.outside);
    Check(outside.open(QIODevice::ReadOnly) && outside.readAll() == "outside", "wrote through a link");
    Check(!QFileInfo::exists(place.root + QStringLiteral("/missing.bin")), "made a file through a dangling link");
    Check(Strays(after) == Strays(before), "a stray file was removed");
    for (qsizetype i = 1; i < after.size(); ++i)
        Check(after[i - 1].time >= after[i].time, "not newest first");
    return 0;
}
