#include "EditorFixture.h"

#include "SampleDatabase.h"
#include "TestEnv.h"

#include "app/CEditSatDlg.h"
#include "app/CTransponderList.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace DbLayout;

EditorFixture::EditorFixture() : dlg(std::make_unique<CMeterDlg>(prompts)) {}

EditorFixture::~EditorFixture() = default;

QString EditorFixture::WriteFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    if (!TestFile::Write(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString EditorFixture::SampleFile(const QString &name, quint32 seed, int satellites, int channels)
{
    SampleDatabase::Options options;
    options.seed = seed;
    options.satellites = satellites;
    options.channels = channels;
    return WriteFile(name, SampleDatabase::Make(options));
}

void EditorFixture::Open(const QString &path)
{
    prompts.QueueFileName(path);
    Click("editButton");
}

QString EditorFixture::OpenSample(const QString &name, quint32 seed)
{
    const QString path = SampleFile(name, seed);
    dlg->show();
    Open(path);
    return path;
}

int EditorFixture::Slot(int row) const
{
    return dlg->SatList()->item(row)->data(CMeterDlg::SlotRole).toInt();
}

void EditorFixture::Click(const char *buttonName)
{
    auto *button = dlg->findChild<QPushButton *>(QString::fromLatin1(buttonName));
    if (!button)
        qFatal("no button %s", buttonName);
    button->click();
}

void EditorFixture::ClickCell(int row, int column, Qt::KeyboardModifiers modifiers)
{
    CTransponderList *list = dlg->TpList();
    QRect cell;
    list->EnsureRowVisible(row);
    if (!list->GetCellRect(row, column, cell))
        qFatal("no cell %d,%d", row, column);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, cell.center());
}

void EditorFixture::SelectSatellite(int row)
{
    QListWidget *sats = dlg->SatList();
    const QRect rect = sats->visualItemRect(sats->item(row));
    QTest::mouseClick(sats->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList EditorFixture::Row(int row) const
{
    QStringList texts;
    for (int c = 0; c < 4; ++c)
        texts << dlg->TpList()->GetItemText(row, c);
    return texts;
}

std::unique_ptr<ParamDatabase> EditorFixture::LoadFile(const QString &path)
{
    auto db = std::make_unique<ParamDatabase>(prompts);
    if (!db->Load(path))
        return nullptr;
    return db;
}

DialogDriver::DialogDriver(std::function<void(CEditSatDlg &)> act) : m_timer(std::make_unique<QTimer>())
{
    m_timer->setInterval(5);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this, act] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *d = qobject_cast<CEditSatDlg *>(w);
            if (d && d->isVisible()) {
                m_timer->stop();
                m_acted = true;
                act(*d);
                return;
            }
        }
    });
    m_timer->start();
}

DialogDriver::~DialogDriver() = default;

std::vector<int> ChangesOutside(const QByteArray &before, const QByteArray &after,
                                const std::vector<ByteRange> &allowed)
{
    std::vector<int> out;
    const int n = int(std::min(before.size(), after.size()));
    for (int i = 0; i < n; ++i) {
        if (before[i] == after[i])
            continue;
        bool ok = false;
        for (const ByteRange &r : allowed)
            ok = ok || (i >= r.offset && i < r.offset + r.size);
        if (!ok)
            out.push_back(i);
    }
    if (before.size() != after.size())
        out.push_back(n);
    return out;
}

ByteRange SatelliteBytes(int slot)
{
    return {SATELLITE_TABLE_OFFSET + slot * SATELLITE_RECORD_SIZE, SATELLITE_RECORD_SIZE};
}

ByteRange TransponderBytes(int tp)
{
    return {TRANSPONDER_TABLE_OFFSET + tp * TRANSPONDER_RECORD_SIZE, TRANSPONDER_RECORD_SIZE};
}

ByteRange TransponderHeaderBytes()
{
    return {TRANSPONDER_HEADER_OFFSET, TRANSPONDER_HEADER_SIZE};
}

ByteRange ChannelBytes()
{
    return {CHANNEL_HEADER_OFFSET, IMAGE_SIZE - CHANNEL_HEADER_OFFSET};
}

std::vector<int> FreeTransponders(const ParamDatabase &db, int n)
{
    std::vector<int> out;
    for (int i = db.TpHeader().FreeFirst(); i >= 0 && i < NO_TRANSPONDER && int(out.size()) < n;
         i = db.TransponderAt(i)->Next())
        out.push_back(i);
    return out;
}
