// Capability gates that read the current device's versions and class.
#pragma once

// Compares the current device's firmware version with a.b.c (a.b.c.d).
bool IsVersionAtLeast(int a, int b, int c);
bool IsVersionAtLeast4(int a, int b, int c, int d);
// The version-dependent capability of the current DVR.
bool IsFeatureSupported();
