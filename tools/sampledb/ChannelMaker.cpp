#include "ChannelMaker.h"

#include "database/ParamDatabase.h"

using namespace DbLayout;

int ChannelMaker::Append(ParamDatabase &db, int tp, int sat, int kind, int groups)
{
    ChannelHeader &h = db.ChHeader();
    SatelliteRecord *s = db.SatelliteAt(sat);
    const int c = h.FreeFirst();
    ChannelRecord *r = db.ChannelAt(c);
    if (!r || !s)
        return NO_CHANNEL;
    const int freeNext = r->Next();
    h.SetFreeFirst(freeNext);
    if (ChannelRecord *n = db.ChannelAt(freeNext))
        n->SetPrev(NO_CHANNEL);
    r->SetInUse(1);
    r->SetTransponder(tp);
    r->SetSatellite(sat);
    r->SetKind(kind);
    r->SetGroups(groups);

    const bool k1 = kind == 1;
    const int last = k1 ? h.Kind1Last() : h.OtherLast();
    r->SetPrev(last);
    r->SetNext(NO_CHANNEL);
    if (ChannelRecord *l = db.ChannelAt(last))
        l->SetNext(c);
    else
        k1 ? h.SetKind1First(c) : h.SetOtherFirst(c);
    if (k1) {
        h.SetKind1Last(c);
        h.SetKind1Count(h.Kind1Count() + 1);
    } else {
        h.SetOtherLast(c);
        h.SetOtherCount(h.OtherCount() + 1);
    }

    const int satLast = k1 ? s->Kind1Last() : s->OtherLast();
    r->SetSatPrev(satLast);
    r->SetSatNext(NO_CHANNEL);
    if (ChannelRecord *l = db.ChannelAt(satLast))
        l->SetSatNext(c);
    else
        k1 ? s->SetKind1First(c) : s->SetOtherFirst(c);
    if (k1) {
        s->SetKind1Last(c);
        s->SetKind1Count(s->Kind1Count() + 1);
    } else {
        s->SetOtherLast(c);
        s->SetOtherCount(s->OtherCount() + 1);
    }

    for (int g = 0; g < GROUP_COUNT; ++g) {
        if (!(groups >> g & 1))
            continue;
        const int gl = h.GroupLast(g);
        r->SetGroupPrev(g, gl);
        r->SetGroupNext(g, NO_CHANNEL);
        if (ChannelRecord *l = db.ChannelAt(gl))
            l->SetGroupNext(g, c);
        else
            h.SetGroupFirst(g, c);
        h.SetGroupLast(g, c);
        h.SetGroupCount(g, h.GroupCount(g) + 1);
    }
    return c;
}
