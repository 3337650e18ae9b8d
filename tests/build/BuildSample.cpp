// A library made with suite_shared_library: one exported function in the
// library's namespace, and helpers that stay inside.
#include "buildsampleExport.h"

namespace buildsample
{

namespace
{

int Twice(int value)
{
    return 2 * value;
}

} // namespace

// Not exported: the library's hidden visibility keeps it inside.
int Quadruple(int value)
{
    return Twice(Twice(value));
}

BUILDSAMPLE_EXPORT int Octuple(int value)
{
    return Twice(Quadruple(value));
}

} // namespace buildsample
