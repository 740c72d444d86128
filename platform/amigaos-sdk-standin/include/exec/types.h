// Stand-in for the AmigaOS 4 SDK: the basic types, as far as the binding
// uses them.
#pragma once

#include <stdint.h>

typedef uint32_t uint32;
typedef uint64_t uint64;
typedef void *APTR;
