#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Starts a PulseAudio server with a null sink (no sound card needed) if none is running.
set -u
command -v pulseaudio >/dev/null || exit 1
pactl info >/dev/null 2>&1 && exit 0
pulseaudio -D --exit-idle-time=-1 --disallow-exit --system=false -n \
  --load="module-null-sink sink_name=tallyard_null" \
  --load="module-native-protocol-unix" >/tmp/tallyard-pulse.log 2>&1 || exit 1
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && exit 0; sleep 0.1; done
exit 1
