#pragma once

#include <QString>

class CGridCtrl;
class CTransponderList;
class ParamDatabase;
class Prompts;
class QListWidget;
struct TransponderRecord;

// Moves data between the database being edited and the two lists of the main window: the
// satellite list (entry text the name, item data the slot) and the transponder grid.
class DatabaseLists
{
public:
    // Item-data role of a satellite entry: its slot.
    static constexpr int SlotRole = Qt::UserRole;

    static constexpr quint32 MIN_FREQUENCY = 2000;    // MHz
    static constexpr quint32 MAX_FREQUENCY = 15000;
    static constexpr quint32 MIN_SYMBOL_RATE = 2000;  // kS/s
    static constexpr quint32 MAX_SYMBOL_RATE = 45000;

    DatabaseLists(ParamDatabase &db, Prompts &prompts);

    bool AttachLists(QListWidget *satellites, CTransponderList *transponders);
    // Refills the satellite list in chain order and selects the first entry without notifying.
    bool FillSatelliteList();
    // Refills list with the transponders of satellite slot; false when it has none.
    bool FillTransponderList(int slot, CTransponderList &list);
    // Parses one row into the record's value fields; links and other bits stay.
    static bool ReadTransponderRow(const CGridCtrl &list, int row, TransponderRecord &record);
    // Stores the rows as satellite slot's transponder chain, in display order, and gives each
    // new row its record. Changes nothing and says why when the rows cannot all be stored: the
    // transponder table has too few free records, or the list no longer matches the database.
    bool ApplyTransponderRows(int slot, CTransponderList &list);

    // The satellite name as shown: the field up to its first zero byte, one character a byte.
    static QString SatelliteName(const ParamDatabase &db, int slot);

private:
    ParamDatabase &m_db;
    Prompts &m_prompts;
    QListWidget *m_satellites = nullptr;
    CTransponderList *m_transponders = nullptr;
};
