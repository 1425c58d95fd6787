#pragma once

#include "platform/base/Types.h"

// Letter case in code page 1251: ASCII and Cyrillic letters (Ё/ё, the
// Ukrainian, Belarusian and Serbian letters included). Every comparison of the
// system that ignores letter case goes through these helpers.

unsigned char AnsiLowerChar(unsigned char C);
unsigned char AnsiUpperChar(unsigned char C);
AnsiString AnsiLowerCase(const AnsiString& S);
AnsiString AnsiUpperCase(const AnsiString& S);

// Compares without regard to letter case, in alphabetical order (Ё sorts
// beside Е); returns < 0, 0 or > 0.
int AnsiCompareText(const AnsiString& S1, const AnsiString& S2);
bool AnsiSameText(const AnsiString& S1, const AnsiString& S2);
