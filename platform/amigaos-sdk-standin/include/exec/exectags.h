// Stand-in for the AmigaOS 4 SDK: the GetCPUInfo tags and processor type
// that the binding checks the tool's own values against.
#pragma once

#include <utility/tagitem.h>

#define GCIT_Model (TAG_USER + 3)          // data: uint32 *
#define GCIT_ProcessorSpeed (TAG_USER + 8) // data: uint64 *, in Hz

#define CPUTYPE_PPC460EX 19
