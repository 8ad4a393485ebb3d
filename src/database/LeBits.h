#pragma once

#include <QtEndian>
#include <QtGlobal>

// Little-endian words inside a byte array, and bit fields inside those words. Every setter is a
// read-modify-write that leaves the other bits of the word as they were. A word is read and
// written whole (not byte by byte), which stays one access in instrumented builds as well.
namespace LeBits {

inline quint32 Get32(const quint8 *p)
{
    return qFromLittleEndian<quint32>(p);
}

inline void Set32(quint8 *p, quint32 v)
{
    qToLittleEndian(v, p);
}

inline quint16 Get16(const quint8 *p)
{
    return qFromLittleEndian<quint16>(p);
}

inline void Set16(quint8 *p, quint16 v)
{
    qToLittleEndian(v, p);
}

constexpr quint32 Mask(int width)
{
    return width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1u);
}

inline quint32 GetField(const quint8 *word, int lo, int width)
{
    return (Get32(word) >> lo) & Mask(width);
}

inline void SetField(quint8 *word, int lo, int width, quint32 value)
{
    const quint32 m = Mask(width) << lo;
    Set32(word, (Get32(word) & ~m) | ((value << lo) & m));
}

} // namespace LeBits
