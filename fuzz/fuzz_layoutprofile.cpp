// Layout profiles as a user may write them, applied to any frame record. The input is the profile's text,
// then a NUL byte and the record's first bytes (the rest zeros); without a NUL the whole input is the profile.

#include "fuzzcheck.h"

#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* text = reinterpret_cast<const char*>(data);
    const auto* nul = static_cast<const char*>(std::memchr(text, 0, size));
    const size_t jsonSize = nul ? size_t(nul - text) : size;
    QString why;
    const std::optional<LayoutProfile> profile = LayoutProfile::parse(QByteArray(text, int(jsonSize)), &why);
    FUZZ_CHECK(profile.has_value() == why.isEmpty());
    if (!profile)
        return 0;
    // What it writes reads back as the same profile.
    const std::optional<LayoutProfile> again = LayoutProfile::parse(profile->toJson(), &why);
    FUZZ_CHECK(again && again->toJson() == profile->toJson());

    std::vector<char> record(Km420Frame::Size, 0);
    if (nul)
        std::memcpy(record.data(), nul + 1, std::min(size - jsonSize - 1, record.size()));
    const LayoutReading r = LayoutCatalog::read(*profile, record.data());
    for (int i = 0; i < LayoutProfile::FieldCount; ++i) {
        const auto field = LayoutProfile::Field(i);
        if (!r.has(field))
            continue;
        FUZZ_CHECK(profile->has(field) && r.state == LayoutReading::State::Proven);
        if (LayoutProfile::isTemperature(field))
            FUZZ_CHECK(r.value(field) >= LayoutCatalog::LowestCelsius &&
                       r.value(field) <= LayoutCatalog::HighestCelsius);
    }
    if (r.has(LayoutProfile::Field::Max) && r.has(LayoutProfile::Field::Min))
        FUZZ_CHECK(r.value(LayoutProfile::Field::Max) >= r.value(LayoutProfile::Field::Min));
    profile->proves(record.data());
    return 0;
}
