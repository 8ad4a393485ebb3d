#pragma once

#include "database/LeBits.h"

// Declares a getter Name() and a setter SetName(v) for a bit field of a record or header held in
// a byte array `raw`: width bits from bit lo of the little-endian 32-bit word at byte offset off.
#define DB_BIT_FIELD(Type, Name, off, lo, width)                                                   \
    Type Name() const { return Type(LeBits::GetField(raw.data() + (off), (lo), (width))); }        \
    void Set##Name(Type v) { LeBits::SetField(raw.data() + (off), (lo), (width), quint32(v)); }

// The same for a plain 16-bit little-endian word.
#define DB_U16_FIELD(Name, off)                                                                    \
    int Name() const { return LeBits::Get16(raw.data() + (off)); }                                 \
    void Set##Name(int v) { LeBits::Set16(raw.data() + (off), quint16(v)); }

// The same for a single byte.
#define DB_U8_FIELD(Name, off)                                                                     \
    int Name() const { return raw[(off)]; }                                                        \
    void Set##Name(int v) { raw[(off)] = quint8(v); }
