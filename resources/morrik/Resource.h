// Resource ids of the explorer library Morrik. Its tables are its own, so
// its numbers may mean something else in the program that hosts it.
#pragma once

// Strings.
#define IDS_TREE_CAMERA_EXISTS 62002
#define IDS_TREE_NAME_USED 62005
#define IDS_TREE_DVR_EXISTS 62006
#define IDS_TREE_MY_CAMERA 62015
#define IDS_TREE_LOCAL_CAMERA 62016
#define IDS_TREE_MY_DVR 62025
#define IDS_TREE_LOCAL_DVR 62026
#define IDS_TREE_ZPT 62029
// The add and edit dialogs and the tree's commands. The probe tries (62032
// to 62034) are reached by counting on from the first.
#define IDS_DELETE_FOLDER_ASK 62001
#define IDS_DELETE_CAMERA_ASK 62007
#define IDS_DELETE_DVR_ASK 62009
#define IDS_CAM_INFO_SERIAL 62010
#define IDS_CAM_INFO_MAC 62011
#define IDS_DELETE_ONLY_ITEMS 62027
#define IDS_PROBE_TRY_1 62032
#define IDS_CAMERA_FOUND 62036
#define IDS_CAMERA_NOT_FOUND 62037
#define IDS_EDIT_DVR 62038
#define IDS_NEW_FOLDER 62040
#define IDS_RENAME_CHANNEL 62041
#define IDS_HOST_NOT_RESOLVED 62050
// The explorer dialogs.
#define IDS_EXPLORE_FOLDER_SELECTED 62008
#define IDS_EXPLORE_BAD_BACKUP 62028
// Discovery and the port query.
#define IDS_CONNECTION_CLOSED 62014

// Controls of the tree-grid: its in-place editors.
#define IDC_GRID_LABEL_EDIT 4659
#define IDC_GRID_CELL_EDIT 4660
#define IDC_GRID_CELL_COMBO 4661

// The add and edit dialogs and the About box.
#define IDD_ABOUTBOX 100
#define IDD_NEW_FOLDER 104
#define IDD_NEW_OVEL 105
#define IDD_INSERT_YEM 106
#define IDD_INSERT_YEM_GROUP_ID 107
#define IDD_DVR_EDIT 140
#define IDC_DVR_NAME 1004
#define IDC_DVR_PASSWORD 1006
#define IDC_DVR_ADDRESS 1007
#define IDC_DVR_PORT 1008
#define IDC_NEW_FOLDER_TEXT 2001
#define IDC_NEW_OVEL_ADDRESS 2002
#define IDC_NEW_OVEL_SEARCH 2003
#define IDC_NEW_OVEL_RESULT 2004
#define IDC_YEM_SERVER 2005
#define IDC_YEM_ID 2006
#define IDC_YEM_PASSWORD 2008
#define IDC_YEM_GROUP_ID 2009

// The tree-grid's context menus and their commands.
#define IDR_TREE_POPUP 110
#define IDR_YEM_POPUP 111
#define ID_POPUP_CHANGE_IP 32773
#define ID_POPUP_RENAME_OVEL 33771
#define ID_POPUP_RENAME 33772
#define ID_POPUP_INSERT 33773
#define ID_POPUP_DELETE 33774
#define ID_POPUP_DELETE_OVEL 33775
#define ID_POPUP_INSERT_OVEL 33776
#define ID_POPUP_INSERT_YEM 33777
#define ID_POPUP_DELETE_YEM 33778
#define ID_POPUP_INSERT_YEM_GROUP_ID 33779
#define ID_POPUP_DELETE_YEM_GROUP_ID 33780
// The explorer dialogs: the pane (103), the camera explorer (102), their
// grids and the camera explorer's buttons.
#define IDD_SEL2_DIALOG 102
#define IDD_EXPLORE_DIALOG 103
#define IDR_EXPLORE_ICON 128
#define IDC_EXPLORE_GRID 4097
#define IDC_SEL2_BACKUP 3
#define IDC_SEL2_FRAME 1000
#define IDC_SEL2_REFRESH 2007
#define IDC_SEL2_TREE0 2010
#define IDC_SEL2_TREE1 2011
#define IDC_SEL2_TREE2 2012

// Bitmaps of the device tree: its rows' icons and their state icons, 16 x 16
// each, cyan transparent.
#define IDB_TREE_ICONS 108
#define IDB_TREE_STATES 109
