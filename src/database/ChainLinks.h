#pragma once

// Helpers for the doubly linked chains of the database tables. A chain is described by accessor
// functions, so the same code serves the global, satellite and group chains of channels as well
// as the transponder and satellite chains. Indices handed to the accessors are always in range.
namespace ChainLinks {

struct Ends {
    int first;
    int last;
};

// Whether x can be taken out of the chain with the given ends without touching anything outside
// the table: both links in range, and both neighbours (or the ends) pointing back at x.
template <typename NextOf, typename PrevOf>
bool CanUnlink(int x, int sentinel, Ends ends, NextOf nextOf, PrevOf prevOf)
{
    if (x < 0 || x >= sentinel)
        return false;
    const int prev = prevOf(x);
    const int next = nextOf(x);
    if (prev < 0 || prev > sentinel || next < 0 || next > sentinel)
        return false;
    if (prev == x || next == x || (prev != sentinel && prev == next))
        return false;
    if (prev == sentinel ? ends.first != x : nextOf(prev) != x)
        return false;
    if (next == sentinel ? ends.last != x : prevOf(next) != x)
        return false;
    return true;
}

// Takes x out of the chain (after CanUnlink said yes) and returns the chain's new ends. The links
// of x itself are left for the caller.
template <typename NextOf, typename PrevOf, typename SetNext, typename SetPrev>
Ends Unlink(int x, int sentinel, Ends ends, NextOf nextOf, PrevOf prevOf, SetNext setNext,
            SetPrev setPrev)
{
    const int prev = prevOf(x);
    const int next = nextOf(x);
    if (ends.first == x)
        ends.first = next;
    if (ends.last == x)
        ends.last = prev;
    if (prev != sentinel)
        setNext(prev, next);
    if (next != sentinel)
        setPrev(next, prev);
    return ends;
}

// Walks a chain from first by nextOf, calling visit(index) for each member until visit returns
// false or the sentinel is reached. Returns false when a link leaves the table or the walk takes
// more steps than the table has records (a loop).
template <typename NextOf, typename Visit>
bool Walk(int first, int sentinel, NextOf nextOf, Visit visit)
{
    int cur = first;
    for (int steps = 0; cur != sentinel; ++steps) {
        if (cur < 0 || cur > sentinel || steps >= sentinel)
            return false;
        if (!visit(cur))
            return true;
        cur = nextOf(cur);
    }
    return true;
}

} // namespace ChainLinks
