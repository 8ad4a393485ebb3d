#pragma once

class ParamDatabase;

// Creates channel entries, which the editor itself never does: for sample databases, tests and
// benchmarks that need channels hanging on transponders.
class ChannelMaker
{
public:
    // Takes the first record of the free channel chain and appends it to the global chain of
    // its kind, to its satellite's chain of that kind and to group chain g for each of bits 0..3
    // of groups (bits 4 and 5 are stored too). Returns the channel, or 4000 when none is free.
    static int Append(ParamDatabase &db, int tp, int sat, int kind, int groups);
};
