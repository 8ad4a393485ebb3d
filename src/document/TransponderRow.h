#pragma once

#include "database/DbLayout.h"

// A transponder's polarisation as the list shows it. Stored values 2 and 3 both read as Auto.
enum class Polar { Vert = 0, Hori = 1, Auto = 2 };

// One transponder row as the user sees and edits it: the record it stands for (or NEW), the
// values in whole MHz and kS/s as entered (clamped only when stored), and the deletion mark.
struct TransponderRow
{
    static constexpr int NEW = DbLayout::NO_TRANSPONDER;

    int record = NEW;
    int frequency = 2000;    // MHz
    int symbolRate = 27500;  // kS/s
    Polar polar = Polar::Hori;
    bool marked = false;

    bool IsNew() const { return record == NEW; }
    friend bool operator==(const TransponderRow &a, const TransponderRow &b)
    {
        return a.record == b.record && a.frequency == b.frequency && a.symbolRate == b.symbolRate
            && a.polar == b.polar && a.marked == b.marked;
    }
    friend bool operator!=(const TransponderRow &a, const TransponderRow &b) { return !(a == b); }
};
