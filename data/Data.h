#pragma once

// The textbook model, its loader and the pictures store.
#include "data/HeadlessProgress.h"
#include "data/Pictures.h"
#include "data/Textbook.h"
