// Stand-in for the AmigaOS 4 SDK: the return codes of Shell commands.
#pragma once

#define RETURN_OK 0
#define RETURN_WARN 5
#define RETURN_ERROR 10
#define RETURN_FAIL 20
