#include "hypertext/HyperMacros.h"

THyperMacros::THyperMacros() = default;
THyperMacros::~THyperMacros() = default;
