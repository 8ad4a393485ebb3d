// Fuzz target for the CSV reader: the input is the file, read once whole and once with a stop
// asked for from the start. The sanitizers guard memory, libFuzzer's time-out guards time, and
// ListChecks what a list read may hold.
#include "ListChecks.h"

#include "exchange/CsvReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray csv = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    CheckList(CsvReader::Read(csv), "CSV reader");
    ReadProgress stop;
    stop.cancel = true;
    CheckList(CsvReader::Read(csv, &stop), "CSV reader, stopped");
    return 0;
}
