#pragma once

#include "common/Version.h"
