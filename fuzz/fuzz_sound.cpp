// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The buzzer's sound reader on any bytes: it refuses the file or gives a sound whose shape
// agrees with itself and stays within the reader's bounds, however much sound the bytes
// claim to hold.

#include "fuzz/FuzzSupport.h"
#include "platform/readers/SoundFile.h"

using tallyard::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = tallyard::fuzz::bytesOf(data, size);
    const std::optional<tallyard::DecodedSound> sound = tallyard::decodeSound(bytes);
    if (!sound)
        return 0;
    check(sound->channels >= 1 && sound->channels <= tallyard::MaxSoundChannels, "channel count within bounds");
    check(sound->sampleRate >= tallyard::MinSoundSampleRate && sound->sampleRate <= tallyard::MaxSoundSampleRate,
          "sample rate within bounds");
    check(!sound->samples.isEmpty(), "an accepted sound has samples");
    check(sound->samples.size() % (2 * sound->channels) == 0, "whole frames of 16-bit samples");
    check(sound->samples.size() <= tallyard::MaxDecodedSoundBytes, "no more samples than the decoding bound");
    check(sound->durationMs() >= 0, "a duration that is not negative");
    return 0;
}
