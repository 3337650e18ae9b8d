// Export macro of platform_core, the shared library that holds the
// process-wide state of the framework layer (handles, loops, settings).
#pragma once

#define PLATFORM_API __attribute__((visibility("default")))
