#pragma once

namespace myDefines {

// Copies Count bytes; the areas may overlap. A count of 0 or less copies nothing.
void MemCopy(void* Dest, const void* Source, int Count);
// Sets Count bytes to Value. A count of 0 or less sets nothing.
void SetMem(void* Buffer, unsigned char Value, int Count);

} // namespace myDefines
