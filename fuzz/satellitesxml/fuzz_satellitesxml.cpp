// Fuzz target for the satellites.xml reader: the input is the file. The sanitizers guard
// memory, libFuzzer's time-out guards time (an input that makes reading quadratic shows as a
// slow unit), and ListChecks what a list read may hold.
#include "ListChecks.h"

#include "exchange/SatellitesXmlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray xml = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    CheckList(SatellitesXmlReader::Read(xml), "satellites.xml reader");
    return 0;
}
