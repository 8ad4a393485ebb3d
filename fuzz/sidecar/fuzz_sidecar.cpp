// Fuzz target for the cache's sidecar: whatever the bytes, a sidecar taken holds only validators
// that may go back into a request header and a SHA-256, and reads back from what it writes as
// the same.
#include "fetch/CacheSidecar.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "sidecar: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto sidecar = CacheSidecar::Parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!sidecar)
        return 0;
    Check(sidecar->etag.isEmpty() || CacheSidecar::IsValidator(sidecar->etag), "an ETag that is no validator");
    Check(sidecar->lastModified.isEmpty() || CacheSidecar::IsValidator(sidecar->lastModified),
          "a Last-Modified that is no validator");
    Check(sidecar->sha256.size() == 64 && sidecar->checked.isValid(), "no hash or no time");
    const auto again = CacheSidecar::Parse(sidecar->ToBytes());
    Check(again && again->url == sidecar->url && again->etag == sidecar->etag
              && again->lastModified == sidecar->lastModified && again->sha256 == sidecar->sha256
              && again->checked == sidecar->checked,
          "what it writes does not read back the same");
    return 0;
}
