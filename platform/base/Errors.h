// System error codes with their documented numbers, shared by the registry,
// dial-up and file calls. Plain literals, so that they compare without sign
// warnings against both LONG and DWORD results.
#pragma once

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_WRITE_FAULT 29L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MORE_DATA 234L
