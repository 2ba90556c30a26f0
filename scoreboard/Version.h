#pragma once
#include "scoreboard/VersionInfo.h"
