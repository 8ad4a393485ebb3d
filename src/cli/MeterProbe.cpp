#include "cli/MeterProbe.h"

#include "serial/CComPort.h"

#include <cstring>

MeterProbe::Result MeterProbe::Run(CComPort &port, uint32_t *identWord)
{
    static const unsigned char hello[4] = {0x00, 0x0E, 0x00, 0x00};
    static const unsigned char identHeader[4] = {0x00, 0x00, 0x00, 0x04};
    static const unsigned char end[4] = {0x00, 0x04, 0x00, 0x00};
    uint32_t done = 0;
    if (!port.Write(hello, 4, done) || done != 4)
        return Result::NoAnswer;
    unsigned char answer[8];
    if (!port.Read(answer, 4, done) || done != 4)
        return Result::NoAnswer;
    if (std::memcmp(answer, identHeader, 4) != 0)
        return Result::WrongAnswer;
    if (!port.Read(answer + 4, 4, done) || done != 4)
        return Result::WrongAnswer;
    if (!port.Write(end, 4, done) || done != 4)
        return Result::NoAnswer;
    if (identWord) // big-endian on the line
        *identWord = uint32_t(answer[4]) << 24 | uint32_t(answer[5]) << 16 | uint32_t(answer[6]) << 8 | answer[7];
    return Result::Answered;
}
