#pragma once

#include "RecordingPrompts.h"

#include "app/CMeterDlg.h"
#include "database/ParamDatabase.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class CEditSatDlg;
class QTimer;

// The main window with a database file opened through "Edit parameters", as a person would
// have it, plus the views of files and images the editor tests compare.
struct EditorFixture {
    EditorFixture();
    ~EditorFixture();

    // Writes bytes to a new file in the temporary folder; returns its path.
    QString WriteFile(const QString &name, const QByteArray &bytes);
    // A sample database (seeded) as a file.
    QString SampleFile(const QString &name, quint32 seed = 7, int satellites = 12,
                       int channels = 800);
    // Chooses path in the file chooser and presses "Edit parameters".
    void Open(const QString &path);
    // Shows the window and opens a new sample file with it; returns the file's path.
    QString OpenSample(const QString &name = QStringLiteral("a.bin"), quint32 seed = 7);
    // Slot of the satellite in the given row of the satellite list.
    int Slot(int row) const;
    void Click(const char *buttonName);
    // Clicks the cell as a person would: the row becomes the focused, selected row.
    void ClickCell(int row, int column, Qt::KeyboardModifiers modifiers = {});
    void SelectSatellite(int row);
    // Texts of columns 0..3 of a transponder row.
    QStringList Row(int row) const;
    // The file as a database, loaded afresh.
    std::unique_ptr<ParamDatabase> LoadFile(const QString &path);

    RecordingPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<CMeterDlg> dlg;
};

// Acts on the satellite dialog as soon as it is open (it runs modally, so the test cannot wait
// for it in line).
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(CEditSatDlg &)> act);
    ~DialogDriver();
    bool Acted() const { return m_acted; }

private:
    std::unique_ptr<QTimer> m_timer;
    bool m_acted = false;
};
