// Stand-in for the AmigaOS 4 SDK: tag lists, as far as the binding uses them.
#pragma once

#include <exec/types.h>

typedef uint32 Tag;

struct TagItem {
    Tag ti_Tag;
    uint32 ti_Data;
};

#define TAG_DONE 0
#define TAG_USER 0x80000000u
