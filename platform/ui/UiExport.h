// Export macro of the platform_ui shared library.
#pragma once

#if defined(PLATFORM_UI_BUILD)
#define PLATFORM_UI_API __attribute__((visibility("default")))
#else
#define PLATFORM_UI_API
#endif
