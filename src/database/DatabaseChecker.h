#pragma once

#include <QCoreApplication>
#include <QStringList>

class ParamDatabase;

// Checks that an image is consistent: every chain whole and doubly linked between its header's
// ends, every count equal to its chain's length, every record either in use on its chains or on
// its table's free chain, and every channel on a transponder of its own satellite. Returns one
// readable line per violation found (at most maxReports, then a line saying how many more);
// an empty list means the image is consistent.
class DatabaseChecker
{
public:
    static QStringList Check(const ParamDatabase &db, int maxReports = 100);

    Q_DECLARE_TR_FUNCTIONS(DatabaseChecker)
};
