#pragma once

#include "document/DocumentResult.h"
#include "document/TransponderRow.h"

#include <map>
#include <set>
#include <vector>

class DatabaseDocument;

// Transponders of one satellite that stand for the same one: the same polarisation and
// frequencies at most a tolerance apart. The first of them in listing order is the one kept, and
// a row repeats only rows that are kept (so a chain 2 MHz apart each is not all one).
class TransponderDuplicates
{
public:
    // Whether two rows stand for the same transponder.
    static bool Same(const TransponderRow &a, const TransponderRow &b, int toleranceMHz);
    // The rows kept so far, one at a time: Take is false for a row that repeats one kept.
    // Ordered by frequency per polarisation, so a long list costs a lookup a row.
    class Kept
    {
    public:
        explicit Kept(int toleranceMHz) : m_tolerance(toleranceMHz) {}
        bool Take(const TransponderRow &row);

    private:
        int m_tolerance;
        std::map<int, std::set<int>> m_frequencies; // polarisation -> MHz kept
    };

    // The indices of the rows that repeat an earlier row kept, ascending.
    static std::vector<int> Find(const std::vector<TransponderRow> &rows, int toleranceMHz);
    // Removes the satellite's duplicates as one undo step, "Remove duplicates"; Ok without a
    // step when there are none. *removed gets how many went.
    static DocumentResult Remove(DatabaseDocument &doc, int slot, int toleranceMHz,
                                 int *removed = nullptr);
    static QString StepName();
};
