#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Runs a test program as an unprivileged user: as itself when it is one, as nobody (with a
# home and a scratch folder of its own) when it is root, whose rights no permission stops.
set -eu
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
home=$(mktemp -d /tmp/tallyard-unprivileged.XXXXXX)
chown nobody "$home"
trap 'rm -rf "$home"' EXIT
status=0
HOME="$home" TMPDIR="$home" XDG_RUNTIME_DIR="$home" \
  setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all -- "$@" || status=$?
exit $status
