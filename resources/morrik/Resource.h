// Resource ids of the explorer library Morrik. Its tables are its own, so
// its numbers may mean something else in the program that hosts it.
#pragma once

// Strings.
#define IDS_TREE_NAME_USED 62005
#define IDS_TREE_DVR_EXISTS 62006
#define IDS_TREE_MY_CAMERA 62015
#define IDS_TREE_LOCAL_CAMERA 62016
#define IDS_TREE_MY_DVR 62025
#define IDS_TREE_LOCAL_DVR 62026
#define IDS_TREE_ZPT 62029

// Controls of the tree-grid: its in-place editors.
#define IDC_GRID_LABEL_EDIT 4659
#define IDC_GRID_CELL_EDIT 4660
#define IDC_GRID_CELL_COMBO 4661
