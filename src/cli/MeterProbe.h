#pragma once

#include <cstdint>

class CComPort;

// The window's connection test on an open port: FT_HELLO out, an FT_IDENT header announcing
// four bytes back, FT_END out; the same bytes, written by hand as the window writes them. It
// also reads the identity word behind the header, which the window leaves for the close to
// discard.
class MeterProbe
{
public:
    enum class Result { Answered, NoAnswer, WrongAnswer };
    static Result Run(CComPort &port, uint32_t *identWord = nullptr);
};
