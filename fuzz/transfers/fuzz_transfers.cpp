// Fuzz target for the three transfer workers: the input picks a worker and its file and
// scripts what the meter says; the worker runs against a scripted port that plays the meter's
// replies and keeps what the PC sent. Questions are answered from the input.
//
// Input: byte 0 the kind (11, 10, 6, 8, 7, 9), byte 1 flags (bits 0-1 answers to the
// questions, bit 2 the line is cancelled rather than hung up when the script ends, bit 3 a
// database file one byte short, bit 4 an update file without its 'B', bit 5 a sound database
// file rather than one with a wrong count, which the write asks about), bytes 2-3 the update
// image length, byte 4 the update's version. The rest is the meter's script, one operation a
// byte (low 4 bits) with its arguments after it: 0 FT_IDENT (4 bytes word), 1 FT_READY,
// 2 FT_END, 3 FT_DATA (2 bytes length, up to 16384), 4 FT_DATA of 16384, 5 FT_READY x n,
// 6 FT_DATA of 16384 x n (1 byte n), 7 any type (2 bytes type, 1 byte length), 8 raw bytes
// (1 byte count, the bytes), 9 an FT_DATA header announcing more than 16384, 10 a frame cut
// short, 11 an FT_IDENT without its word, 12-15 FT_READY.
//
// Checked for every run: the sanitizers (no frame stored past a buffer), the worker returns
// (libFuzzer's time-out), a run ends with exactly one TransferDone unless it was cancelled,
// a read's target holds either the old file or the whole new image and no temporary file is
// left, a successful write or load put every byte of its file on the line in order, a
// successful read stored exactly the data the meter sent, and a refused file sends nothing.
#include "SampleDatabase.h"
#include "ScriptedPort.h"

#include "database/ParamDatabase.h"
#include "protocol/Frame.h"
#include "protocol/Transfer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "transfer worker: %s\n", what);
        std::abort();
    }
}

uint8_t Pattern(size_t i)
{
    return uint8_t((i * 131u) ^ (i >> 9) ^ 0x5A);
}

// The pattern from byte `from` on, made once and grown as the scripts reach further: a script
// puts megabytes of it on the line, and making them byte by byte for every input was most of
// the run.
const uint8_t *PatternAt(size_t from, size_t n)
{
    static std::vector<uint8_t> table;
    if (table.size() < from + n) {
        size_t i = table.size();
        table.resize(std::max(from + n, table.size() * 2));
        for (; i < table.size(); ++i)
            table[i] = Pattern(i);
    }
    return table.data() + from;
}

QByteArray PatternBytes(size_t n, size_t from = 0)
{
    return QByteArray(reinterpret_cast<const char *>(PatternAt(from, n)), qsizetype(n));
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool Done() const { return m_pos >= m_size; }
    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint16_t Word() { return uint16_t(Byte() << 8 | Byte()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// The meter's side of the line, built from the script. While only whole, well-formed frames
// are on it, the data a read must store is known.
struct MeterScript {
    std::vector<uint8_t> line;
    bool exact = true;
    bool ended = false;     // an FT_END has been put on the line
    // FT_DATA payloads before the first FT_END, as (pattern offset, length): compared only
    // when a read succeeds, so they are not copied out for every input.
    std::vector<std::pair<size_t, uint16_t>> dataBeforeEnd;
    size_t patternAt = 0;

    // One script for the whole run, refilled for every input: its line keeps its capacity.
    void Clear()
    {
        line.clear();
        exact = true;
        ended = false;
        dataBeforeEnd.clear();
        patternAt = 0;
    }
    bool Stored(const QByteArray &bytes) const
    {
        qsizetype at = 0;
        for (const auto &[from, length] : dataBeforeEnd) {
            if (bytes.size() - at < length || std::memcmp(bytes.constData() + at, PatternAt(from, length), length) != 0)
                return false;
            at += length;
        }
        return at == bytes.size();
    }

    void Header(uint16_t type, uint16_t length)
    {
        line.push_back(uint8_t(type >> 8));
        line.push_back(uint8_t(type));
        line.push_back(uint8_t(length >> 8));
        line.push_back(uint8_t(length));
    }
    void Empty(uint16_t type)
    {
        Header(type, 0);
        if (type == FT_END)
            ended = true;
    }
    void Data(uint16_t length)
    {
        Header(FT_DATA, length);
        const uint8_t *payload = PatternAt(patternAt, length);
        line.insert(line.end(), payload, payload + length);
        if (!ended)
            dataBeforeEnd.emplace_back(patternAt, length);
        patternAt += length + 7; // successive chunks differ, so a repeated or shifted one shows
    }
};

void BuildScript(Input &in, MeterScript &s)
{
    s.Clear();
    while (!in.Done() && s.line.size() < (4u << 20)) {
        const uint8_t op = in.Byte() & 0x0F;
        switch (op) {
        case 0: {
            s.Header(FT_IDENT, 4);
            for (int i = 0; i < 4; ++i)
                s.line.push_back(in.Byte());
            break;
        }
        case 2:
            s.Empty(FT_END);
            break;
        case 3:
            s.Data(uint16_t(in.Word() % (kMaxPayload + 1)));
            break;
        case 4:
            s.Data(kMaxPayload);
            break;
        case 5:
            for (int n = in.Byte() % 16 + 1; n > 0; --n)
                s.Empty(FT_READY);
            break;
        case 6:
            for (int n = in.Byte() % 16 + 1; n > 0; --n)
                s.Data(kMaxPayload);
            break;
        case 7: {
            const uint16_t type = in.Word();
            const uint8_t length = in.Byte();
            s.Header(type, length);
            const uint8_t *payload = PatternAt(0, length);
            s.line.insert(s.line.end(), payload, payload + length);
            s.exact = false;
            break;
        }
        case 8:
            for (int n = in.Byte() % 32 + 1; n > 0; --n)
                s.line.push_back(in.Byte());
            s.exact = false;
            break;
        case 9:
            s.Header(FT_DATA, uint16_t(kMaxPayload + 1 + in.Word() % (0xFFFF - kMaxPayload)));
            s.exact = false;
            break;
        case 10: {
            const uint8_t length = in.Byte();
            s.Header(uint16_t(in.Byte() % 6), length);
            const uint8_t *part = PatternAt(0, length / 2);
            s.line.insert(s.line.end(), part, part + length / 2);
            s.exact = false;
            break;
        }
        case 11:
            s.Header(FT_IDENT, 2);
            s.line.push_back(0x42);
            s.line.push_back(0x01);
            break;
        default:
            s.Empty(FT_READY);
            break;
        }
    }
}

// Whether the FT_DATA payloads in what the PC sent are, in order, exactly the n bytes at
// expected; the PC's own frames are always whole.
bool SentDataIs(const std::vector<uint8_t> &sent, const uint8_t *expected, size_t n)
{
    size_t at = 0;
    size_t matched = 0;
    bool same = true;
    while (at + kFrameHeader <= sent.size()) {
        const uint16_t type = GetU16BE(&sent[at]);
        const uint16_t length = GetU16BE(&sent[at + 2]);
        Check(at + kFrameHeader + length <= sent.size(), "the PC sent a frame cut short");
        if (type == FT_DATA && same && length > 0) {
            same = length <= n - matched && std::memcmp(&sent[at + kFrameHeader], expected + matched, length) == 0;
            matched += length;
        }
        at += kFrameHeader + length;
    }
    Check(at == sent.size(), "the PC sent a partial header");
    return same && matched == n;
}

class CountingHost final : public TransferHost
{
public:
    void SetProgress(int percent) override { Check(percent >= 0 && percent <= 100, "progress out of range"); }
    void SetProgressText(const QString &) override {}
    void TransferDone(const TransferOutcome &outcome) override
    {
        ++done;
        success = outcome.Succeeded();
    }
    int done = 0;
    bool success = false;
};

// A memory file system where there is one: every read creates, writes and renames a file.
QString TemporaryBase()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

const QByteArray kOld("the file that was there before");

// The files of the whole run. A read's target and the update file are written again only
// when the last run left them other than the next one needs.
struct Files {
    QTemporaryDir dir{TemporaryBase() + QStringLiteral("/fuzz-transfers-XXXXXX")};
    // A sample database, whole and with one count off: a little damage is enough for the
    // write's question, and the checker's report stays short.
    QString database[2];   // damaged, sound
    QString shortDatabase; // the damaged one a byte short
    QByteArray databaseBytes[2];
    QString update = dir.filePath(QStringLiteral("update.bin"));
    QString read = dir.filePath(QStringLiteral("read.bin"));
    QByteArray updateWord;
    int updateLength = -1;
    bool readIsOld = false;
    Files()
    {
        Check(dir.isValid(), "no temporary folder");
        ParamDatabase db;
        SampleDatabase::Fill(db, {7, 6, 20, 200});
        databaseBytes[1] = db.ToBytes();
        db.TpHeader().SetCount(db.TpHeader().Count() + 1);
        databaseBytes[0] = db.ToBytes();
        database[0] = dir.filePath(QStringLiteral("damaged.bin"));
        database[1] = dir.filePath(QStringLiteral("sound.bin"));
        shortDatabase = dir.filePath(QStringLiteral("short.bin"));
        Check(WriteFile(database[0], databaseBytes[0]) && WriteFile(database[1], databaseBytes[1])
                  && WriteFile(shortDatabase, databaseBytes[0].left(kImageSize - 1)),
              "cannot write the database files");
    }
    void SetUpdate(const QByteArray &word, uint16_t length)
    {
        if (word == updateWord && length == updateLength)
            return;
        Check(WriteFile(update, word + PatternBytes(length, 77)), "cannot write the update file");
        updateWord = word;
        updateLength = length;
    }
    void SetReadOld()
    {
        if (!readIsOld)
            Check(WriteFile(read, kOld), "cannot write the old file");
        readIsOld = true;
    }
};


} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Files files;
    static const TransferKind kinds[] = {TK_READ_PARAMS, TK_WRITE_PARAMS, TK_LOAD_SOFTWARE, TK_LOAD_8, TK_READ_7, TK_READ_9};

    Input in(data, size);
    const TransferKind kind = kinds[in.Byte() % 6];
    const uint8_t flags = in.Byte();
    const uint16_t updateLength = in.Word();
    const uint8_t version = in.Byte();
    static MeterScript script;
    BuildScript(in, script);

    QDir folder(files.dir.path());
    QString path;
    const uint8_t *image = nullptr; // what a write or load must put on the line
    size_t imageSize = 0;
    bool refused = false;
    switch (kind) {
    case TK_WRITE_PARAMS:
        path = flags & 8 ? files.shortDatabase : files.database[flags >> 5 & 1];
        image = reinterpret_cast<const uint8_t *>(files.databaseBytes[flags >> 5 & 1].constData());
        imageSize = kImageSize;
        refused = flags & 8;
        break;
    case TK_LOAD_SOFTWARE:
    case TK_LOAD_8: {
        image = PatternAt(77, updateLength);
        imageSize = updateLength;
        const char word[4] = {char(version), 0, 0x01, char(flags & 16 ? 0x41 : 0x42)};
        path = files.update;
        files.SetUpdate(QByteArray(word, 4), updateLength);
        refused = kind == TK_LOAD_SOFTWARE && (flags & 16);
        break;
    }
    default:
        path = files.read;
        files.SetReadOld();
        break;
    }
    const QStringList before = folder.entryList(QDir::Files | QDir::Hidden);

    const bool cancelAtEnd = flags & 4;
    static std::vector<uint8_t> sent;
    ScriptedPort port(script.line.data(), script.line.size(),
                      cancelAtEnd ? ScriptedPort::AtEnd::Cancel : ScriptedPort::AtEnd::HangUp, &sent);
    ScriptedPrompts prompts(flags & 3);
    CountingHost host;
    TransferStop stop;
    TransferJob job;
    job.kind = kind;
    job.path = path;
    job.port = &port;
    job.prompts = &prompts;
    job.host = &host;
    job.stop = &stop;
    const TransferOutcome outcome = RunTransfer(job);

    Check(host.done == 0 || host.success == outcome.Succeeded(), "the outcome returned is not the one told");
    Check(host.done <= 1, "more than one TransferDone");
    Check(host.done == 1 || port.IsCancelled(), "a run that was not cancelled ended without TransferDone");
    if (refused)
        Check(port.Sent().empty() && !host.success, "a refused file went on the line");
    if (kind == TK_WRITE_PARAMS || kind == TK_LOAD_SOFTWARE || kind == TK_LOAD_8) {
        const bool all = SentDataIs(port.Sent(), image, imageSize);
        Check(all || !host.success, "success without every byte of the file sent in order");
    } else {
        const QByteArray now = ReadFile(path);
        if (host.success) {
            Check(now.size() == qsizetype(kImageSize), "a read succeeded without a whole image");
            if (script.exact)
                Check(script.Stored(now), "a read stored other data than the meter sent");
        } else {
            Check(now == kOld, "a failed read touched the old file");
        }
        files.readIsOld = !host.success;
    }
    Check(folder.entryList(QDir::Files | QDir::Hidden) == before, "a file was left behind");
    return 0;
}
