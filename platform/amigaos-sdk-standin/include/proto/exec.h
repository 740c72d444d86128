// Stand-in for the AmigaOS 4 SDK: exec's main interface, as far as the binding
// uses it.
//
// On AmigaOS every interface method takes the interface itself as a hidden
// first argument, which the SDK's compiler passes on its own (its libcall
// attribute), so a call reads IExec->SuperState(). A host compiler has no such
// attribute: here the methods are declared without that argument, and the
// binding's calls read the same.
#pragma once

#include <exec/types.h>
#include <utility/tagitem.h>

struct ExecIFace {
    // Writes the processor facts asked for by the list through its data pointers.
    void (*GetCPUInfo)(struct TagItem *tags);
    // Enters supervisor state; answers 0 if the caller was in it already.
    APTR (*SuperState)(void);
    // Back to user state, with what SuperState answered; never with 0.
    void (*UserState)(APTR token);
};

extern struct ExecIFace *IExec;
