#pragma once

#include <QtGlobal>

// Little-endian words inside a byte array, and bit fields inside those words. Every setter is a
// read-modify-write that leaves the other bits of the word as they were.
namespace LeBits {

inline quint32 Get32(const quint8 *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

inline void Set32(quint8 *p, quint32 v)
{
    p[0] = quint8(v);
    p[1] = quint8(v >> 8);
    p[2] = quint8(v >> 16);
    p[3] = quint8(v >> 24);
}

inline quint16 Get16(const quint8 *p)
{
    return quint16(p[0] | p[1] << 8);
}

inline void Set16(quint8 *p, quint16 v)
{
    p[0] = quint8(v);
    p[1] = quint8(v >> 8);
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
