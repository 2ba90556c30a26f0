// The buzzer's WAVE reader on any bytes: it refuses the file or gives a sound whose shape
// agrees with itself, never reading or inventing more than the file holds.

#include "fuzz/FuzzSupport.h"
#include "platform/system/WaveFile.h"

using tallyard::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = tallyard::fuzz::bytesOf(data, size);
    const std::optional<tallyard::WaveSound> sound = tallyard::decodeWave(bytes);
    if (!sound)
        return 0;
    check(sound->channels >= 1 && sound->channels <= 8, "channel count within 1..8");
    check(sound->sampleRate >= 1000 && sound->sampleRate <= 384000, "sample rate within 1000..384000");
    check(!sound->samples.isEmpty(), "an accepted sound has samples");
    check(sound->samples.size() % (2 * sound->channels) == 0, "whole frames of 16-bit samples");
    // Each sample comes from at least one byte of the file and becomes two.
    check(sound->samples.size() <= 2 * bytes.size(), "no more samples than the file holds");
    check(sound->durationMs() >= 0, "a duration that is not negative");
    return 0;
}
