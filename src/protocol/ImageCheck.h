#pragma once

#include <QString>

class QFile;

// The structure check of a database file about to go to a meter. Returns the question to ask
// before anything is sent (the first few problems in plain words, then "Write it anyway?"), or
// an empty string for a sound file. The file is read from its start and left there.
QString DamagedDatabaseQuestion(QFile &file);
