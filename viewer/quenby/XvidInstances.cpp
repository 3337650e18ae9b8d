#include "viewer/quenby/XvidInstances.h"

#include <mutex>
#include <xvid.h>

namespace quenby
{

namespace
{

void* Create(int width, int height)
{
    static std::once_flag once;
    std::call_once(once, [] {
        xvid_gbl_init_t init {};
        init.version = XVID_VERSION;
        xvid_global(nullptr, XVID_GBL_INIT, &init, nullptr);
    });
    xvid_dec_create_t create {};
    create.version = XVID_VERSION;
    create.width = width;
    create.height = height;
    return xvid_decore(nullptr, XVID_DEC_CREATE, &create, nullptr) == 0 ? create.handle : nullptr;
}

void Destroy(void* handle)
{
    if (handle)
        xvid_decore(handle, XVID_DEC_DESTROY, nullptr, nullptr);
}

} // namespace

XvidInstances::XvidInstances()
    : ntsc(Create(352, 240))
    , pal(Create(352, 288))
{
}

XvidInstances::~XvidInstances()
{
    Destroy(ntsc);
    Destroy(pal);
}

} // namespace quenby
