# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The project's own libraries, every room's, for the build files that reach into all of them:
# the fuzz build instruments each one, and the Windows check compiles against each one's
# export header.
set(TALLYARD_PROJECT_LIBRARIES
  tallyard_core tallyard_system tallyard_readers tallyard_forms tallyard_intrinsics tallyard_components quellin
  tallyard_scoreboard)
