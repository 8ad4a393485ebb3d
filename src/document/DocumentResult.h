#pragma once

#include "common/FileResult.h"

#include <QString>

// What a document command came to: Ok, or why not, with the text the window shows for it.
// An empty text means the window stays silent (as it does for a full satellite table).
struct DocumentResult
{
    enum class Code {
        Ok,
        NotOpen,              // no database has been opened yet
        OpenFailed,           // the file was refused; the document is as it was
        SaveFailed,           // the file was not written; it is as it was
        ChangedOnDisk,        // Save: another program changed the file since it was opened or saved
        Busy,                 // Save: another program kept writing the file; it is as it was
        NoSatellite,          // the slot holds no satellite
        BadName,              // the name is empty, too long or not Latin-1
        SatelliteTableFull,   // 64 satellites already
        Refused,              // the database refused the step (damaged around it)
        DamagedChain,         // Apply: the satellite's transponder chain is damaged
        RowsMismatch,         // Apply: the rows do not stand for the satellite's transponders
        TransponderTableFull, // Apply: too few free records; missing of requested rows
        Inconsistent,         // Apply: a step failed midway; everything was put back
    };

    Code code = Code::Ok;
    QString text;
    int missing = 0;    // TransponderTableFull: rows that could get no record
    int requested = 0;  // TransponderTableFull: new rows in all
    FileResult backup;  // Save: keeping what the file held in the archive; the save goes ahead either way

    bool Ok() const { return code == Code::Ok; }
    explicit operator bool() const { return Ok(); }
    static DocumentResult Fail(Code code, const QString &text = QString())
    {
        DocumentResult r;
        r.code = code;
        r.text = text;
        return r;
    }
};
