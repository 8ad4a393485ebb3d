// Fuzz target for the site parser: the input as UTF-8 text. A site read must lie within the
// globe and read back from both its written forms; a refusal must say why, without control
// characters; the look angles from any site read are finite and in their ranges.
#include "region/LookAngles.h"
#include "region/Site.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char *what)
{
    std::fprintf(stderr, "site: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Site::Parsed parsed = Site::Parse(text);
    if (!parsed.Ok()) {
        if (parsed.error.isEmpty())
            Fail("a refusal without a message");
        for (const QChar c : parsed.error) {
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
                Fail("a control character in the message");
        }
        return 0;
    }
    const Site &site = *parsed.site;
    if (!(std::fabs(site.Latitude()) <= 90.0) || !(std::fabs(site.Longitude()) <= 180.0))
        Fail("a site off the globe");
    if (Site::Parse(site.Text()).site != site || Site::Parse(site.Display()).site != site)
        Fail("a site that does not read back as written");
    for (const int position : {0, 1, 1799, 1800, 1801, 3599, 3600, 4095}) {
        const LookAngles a = LookAngles::ForPosition(site, position);
        if (!(a.elevation >= -90.0 && a.elevation <= 90.0) || !(a.azimuth >= 0.0 && a.azimuth < 360.0)
            || !(a.skew > -90.0 && a.skew <= 90.0))
            Fail("look angles out of their ranges");
    }
    return 0;
}
