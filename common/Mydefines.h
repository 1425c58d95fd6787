#pragma once

// The shared primitives of the myDefines namespace in one include.
#include "common/Geometry.h"
#include "common/ListOwnership.h"
#include "common/Memory.h"
#include "common/StreamValues.h"
#include "common/TextCoding.h"
