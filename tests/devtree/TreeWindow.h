// The device tree as a window on the offscreen platform, as the window tests
// and the tree benchmarks set it up: a frame, and the tree as a child of it
// on an install folder, its file made when missing and its roots shown.
#pragma once

#include "devtree/MySuperGrid.h"

#include <string>

// A visible top-level frame of that size.
bool CreateTreeFrame(CWnd& frame, const char* className, int width, int height);
// The tree as Setup creates it, filling the frame; false when the window
// cannot be made.
bool CreateTreeWindow(CMySuperGrid& grid, CWnd& frame, const std::string& installFolder);
