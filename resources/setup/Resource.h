// Resource ids of the program's own module: every dialog, control, string,
// bitmap, menu and command id the program's code or resources use, named
// once. Dialogs, strings, bitmaps, menus and commands have one name per
// number; control ids are per dialog, so two dialogs may reuse a number.
// The framework's own ids (IDOK, IDC_STATIC, ID_APP_ABOUT, ...) stay with
// the framework.
#pragma once

// Dialog templates.
#define IDD_PAGE1_CAMINFO 130
#define IDD_DIALUP_PROGRESS 146
#define IDD_IP_CHANGE_WAIT 162
#define IDD_ADD_REG_SERVER 164
#define IDD_ADD_GROUP_ID 169
#define IDD_NEW_FOLDER 183
#define IDD_IP_ADDRESS 215
#define IDD_ADD_DVR 312
#define IDD_ABOUTBOX 328
#define IDD_FIREWALL_PORT 373
#define IDD_NORMAL_PORT_ASSIGN 374
#define IDD_PORT_ASSIGN 375

// The document template of the main frame (no resource of its own).
#define IDR_MAINFRAME 128

// Menus: the device tree's context menus, "Popup" with "Cam" texts (146) or
// "DVR" texts and the dial-up submenu (164), and the registration-server
// branch (163).
#define IDR_TREE_MENU_CAM 146
#define IDR_TREE_MENU_SERVER 163
#define IDR_TREE_MENU_DVR 164

// Bitmaps. 147: the sixteen-pixel icons that the tree drags (0 to 3), the
// information rows and the settings tabs show. 148: the device tree's
// images: open folder, closed folder, device online, device offline.
#define IDB_SMALL_ICONS 147
#define IDB_TREE_IMAGES 148
// The "Version" caption button and the image over a pressed one.
#define IDB_CAPTION_VERSION 193
#define IDB_CAPTION_PRESSED 194
// The content list's check boxes (state images 1 to 4: none, inactive,
// activation off, active).
#define IDB_CONTENT_STATES 216

// Commands of the device tree's context menus.
#define ID_TREE_NEW_FOLDER 32771
#define ID_TREE_DELETE_FOLDER 32772
#define ID_TREE_DELETE_CAM 32773
#define ID_TREE_ADD_CAM 32774
#define ID_TREE_ADD_ZPT 32775
#define ID_TREE_DELETE_ZPT 32778
#define ID_TREE_ADD_GROUP_ID 32779
#define ID_TREE_DELETE_GROUP_ID 32780
#define ID_TREE_RENAME 32781
#define ID_TREE_CHANGE_IP 32782
#define ID_TREE_DIAL_UP 32783
#define ID_TREE_HANG_UP 32784
// Commands the device-selection view takes from its tree.
#define ID_CAMSEL_ADD_DEVICE 4000
#define ID_CAMSEL_DELETE_DEVICE 4001
#define ID_CAMSEL_RESTART_DISCOVERY 4002

// Controls of the windows the program builds in code.
// The login bar of the configuration view.
#define IDC_PASSWORD_LABEL 1
#define IDC_CHANGE_IP 101
#define IDC_PASSWORD 371
#define IDC_DEVICE_ADDRESS 1079
#define IDC_SAVE_PASSWORD 1082
#define IDC_USER_NAME 1169
#define IDC_USER_NAME_LABEL 1170
#define IDC_PORT 1171
#define IDC_LOGIN 1205
#define IDC_EXIT 1206
#define IDC_LOGIN_HIDDEN 1207
#define IDC_PORT_LABEL 1278
// The device-selection view: its five family buttons from this id on, and
// its device tree.
#define IDC_FAMILY_BUTTON_FIRST 1700
#define IDC_DEVICE_TREE 4097
// The tree-in-list control's label editor.
#define IDC_TREE_LABEL_EDIT 4659
// The in-place editor a grid opens over one of its cells.
#define IDC_GRID_INPLACE_EDITOR 8
// The caption-button bar inside the main frame.
#define IDC_CAPTION_BUTTON_BAR 59500

// Controls of the dialog templates.
#define IDC_FOLDER_NAME 1001 // New Folder
#define IDC_START_PROBE 1001 // Add New DVR
#define IDC_PROBE_STATUS 1072
#define IDC_DVR_ADDRESS 1565
#define IDC_DVR_MODE_NORMAL 1804
#define IDC_DVR_MODE_FIREWALL 1805
#define IDC_DVR_ADVANCED 1352
#define IDC_DIALUP_STATUS 1074 // Dial-up progress
#define IDC_WAIT_MESSAGE 1156 // Address-change wait
#define IDC_REG_SERVER 1167 // Add ZPT
#define IDC_REG_ID 1168
#define IDC_REG_PASSWORD 1169
#define IDC_GROUP_ID 1199 // Add Group ID
#define IDC_IP_ADDRESS 1373 // IP Address
#define IDC_IP_SECOND_TEXT 1374
#define IDC_FIREWALL_PORT 1171 // Firewall Port Assignment
#define IDC_MONITOR_PORT 1805 // Normal Port Assignment
#define IDC_PLAYBACK_PORT 1806
#define IDC_MODE_NORMAL 1804 // Port Assignment
#define IDC_MODE_FIREWALL 1805
#define IDC_PORT_ADVANCED 1352
// Every settings page carries its own OK, Cancel and Apply.
#define IDC_PAGE_APPLY 1271
#define IDC_PAGE_CANCEL 1272
#define IDC_PAGE_OK 1273
// The streaming-server page: its content list and the content edit button
// that a double-click on a row presses.
#define IDC_CONTENT_LIST 1
#define IDC_CONTENT_EDIT 1230

// Strings.
#define IDS_SOCKETS_INIT_FAILED 104
#define IDS_IP_USED 61448
#define IDS_IP_CHANGE_FAILED 61449
#define IDS_IP_CHANGE_OK 61450
#define IDS_GROUP_ID_EXISTS 61453
#define IDS_SERVER_EXISTS 61454
#define IDS_IP_INVALID 61456
#define IDS_CONNECTION_FAILED 61457
#define IDS_AUTH_FAILED 61458
#define IDS_NO_CHANNEL_ENABLED 61459
#define IDS_HDD_DISABLED 61460
#define IDS_HDD_ENABLED 61461
#define IDS_IP_FILTERED 61462
#define IDS_IP_NOT_FILTERED 61463
#define IDS_PORT_IN_USE 61473
#define IDS_NO_HDD 61519
#define IDS_TIME_ERROR 61533
#define IDS_NO_USER 61534
#define IDS_INTERNAL_CH1 61535
#define IDS_EXTERNAL_CH1 61536
#define IDS_CH1 61537 // then CH2 to CH4
#define IDS_CH2 61538
#define IDS_SERIAL_LINE 61541
#define IDS_MAC_LINE 61542
#define IDS_INVALID_VALUE 61550
#define IDS_IP_CHANGING 61551
#define IDS_CLOSE_TAB_FIRST 61574
#define IDS_CONFIRM_CONFIGURATION 61592
#define IDS_ROOT_SERVER 61597
#define IDS_INFO_TITLE 61598
#define IDS_CONTENT_TITLE 61599
#define IDS_USER_NAME 61600
#define IDS_PASSWORD 61601
#define IDS_CHANGE_IP 61602
#define IDS_SAVE_PASSWORD 61603
#define IDS_LOGIN 61604
#define IDS_EXIT 61605
#define IDS_DST 61619
#define IDS_NO_CONTENT 61620
#define IDS_RESOLUTION 61621
#define IDS_FRAME_RATE 61622
#define IDS_VIDEO 61626
#define IDS_AUDIO 61627
#define IDS_VIDEO_AUDIO_ADJUSTMENT 61637
#define IDS_FIRST_TRY 61638 // then the second and the third
#define IDS_PROBE_OK 61642
#define IDS_PROBE_FAILED 61643
#define IDS_CONTENT_ACTIVE_LIMIT 61644 // also the login bar's hidden button
#define IDS_INTERNAL_ERROR 61655
#define IDS_CONSOLE_SETUP_ACTIVE 61656
#define IDS_NOT_ALLOWED_REMOTELY 61657
#define IDS_ROOT_MY_DVR 61692
#define IDS_ROOT_LOCAL_DVR 61693
#define IDS_PASSWORDS_DELETED 61694
#define IDS_VERSION_MISMATCH 61696
#define IDS_DVR_PROBE_FAILED 61720
#define IDS_DVR_PROBE_OK 61721
#define IDS_LINE_BUSY 61794
#define IDS_ADD_NEW_DVR 61799
#define IDS_PORT 61800
#define IDS_PORT_INVALID 61801
#define IDS_DVR_EXISTS 61819
// Strings about the user's files: the settings file, the tree files and a
// second copy of the program. Texts with %1 take a file path (AfxFormatString1).
#define IDS_SETTINGS_UNREADABLE 62100
#define IDS_TREE_FILE_UNREADABLE 62101
#define IDS_TREE_FILE_UNKNOWN 62102
#define IDS_TREE_SAVE_REFUSED 62103
#define IDS_TREE_SAVE_FAILED 62104
#define IDS_ALREADY_RUNNING 62105
#define IDS_LOCAL_AREA_FULL 62106

// The network page's port dialogs and their fields.
#define IDD_NORMAL_PORT 171
#define IDD_FIREWALL 174
#define IDD_NORMAL_PORT_EX 309
#define IDC_PORT_DEFAULT 1095
#define IDC_NORMAL_PLAYBACK_PORT 1216
#define IDC_NORMAL_MONITOR_PORT 1217
#define IDC_TRANSPARENT_PORT 1218
#define IDC_FIREWALL_DLG_PORT 1218
#define IDC_MONITOR_PORT_LABEL 1326
#define IDC_PLAYBACK_PORT_LABEL 1327
#define IDS_PORTS_EQUAL 61483
#define IDS_SOME_PORTS_EQUAL 61507
#define IDS_HTTP_LABEL 61561
#define IDS_STREAMING_SERVER_LABEL 61562
#define IDS_MONITOR_PORT_LABEL 61563
#define IDS_PLAYBACK_PORT_LABEL 61564
#define IDS_STREAMING_PORT_INVALID 61587
#define IDS_HTTP_PORT_INVALID 61588
#define IDS_PLAYBACK_PORT_INVALID 61589
#define IDS_MONITOR_PORT_INVALID 61590
#define IDS_TRANSPARENT_PORT_INVALID 61690

// The storage page's notice while a disk is formatted.
#define IDD_HDD_FORMAT 168
#define IDC_HDD_FORMAT_MESSAGE 1156
#define IDS_HDD_FORMATTING 61446
#define IDS_HDD_FORMAT_DONE 61447
#define IDS_HDD_FORMAT_FAILED 61520

// Add New DVR from a list of the devices a broadcast found.
#define IDD_ADD_DVR_AUTO 358
#define IDC_AUTO_DETECT 1352
#define IDC_DETECT_LIST 1761
#define IDC_AUTO_ADDRESS 1565
#define IDC_AUTO_NAME 1566
#define IDC_AUTO_PHONE 1567
#define IDC_ACCESS_ETHERNET 1800
#define IDC_ACCESS_DIAL 1801
#define IDS_COLUMN_SERIAL 61524
#define IDS_COLUMN_ADDRESS 61525
#define IDS_COLUMN_MAC 61526
#define IDS_ENTER_DVR_NAME 61776
#define IDS_ENTER_DVR_ADDRESS 61777

// Row titles of the device information lists.
#define IDS_ROW_MODEL 62121
#define IDS_ROW_HW_VERSION 62122
#define IDS_ROW_SW_VERSION 62123
#define IDS_ROW_DESCRIPTION 62124
#define IDS_ROW_TIME 62125
#define IDS_ROW_USERS 62126
#define IDS_ROW_CAMERAS 62127
#define IDS_ROW_CHANNELS 62128
#define IDS_ROW_HDD 62129
#define IDS_ROW_SECURITY 62130
#define IDS_ROW_STREAMING_SERVER 62131

// The live preview's zoom and focus lever: an empty pop-up.
#define IDD_LEVEL_BAR 363

// The quality box of a schedule mode: an area of the live picture and its
// quality level. The levels' radio buttons are in the order 1 to 5.
#define IDD_QUALITY_BOX3 353
#define IDC_QUALITY_GROUP 1059
#define IDC_QUALITY_LEVEL1 1097
#define IDC_QUALITY_LEVEL2 1098
#define IDC_QUALITY_LEVEL3 1100
#define IDC_QUALITY_LEVEL4 1099
#define IDC_QUALITY_LEVEL5 1101
// Captions of the schedule modes: home, then night and outing.
#define IDS_QUALITY_MODE_HOME 61762
#define IDS_QUALITY_MODE_NIGHT 61763
#define IDS_QUALITY_MODE_OUTING 61764

// The network pages and their panes: address fields, DHCP, xDSL, the
// registration server, the port assignment.
#define IDD_PAGE3_NETWORK 132
#define IDD_PAGE3_NETWORK2 184
#define IDC_NET_ADDRESS 1003
#define IDC_NET_MASK 1065
#define IDC_NET_GATEWAY 1066
#define IDC_NET_DNS1 1067
#define IDC_NET_DNS2 1068
#define IDC_NET_DNS3 1069
#define IDC_NET_DHCP 1063
#define IDC_NET_XDSL 1203
#define IDC_NET_XDSL_USER 1204
#define IDC_NET_XDSL_PASSWORD 1169
#define IDC_NET_XDSL_STATUS 1209
#define IDC_NET_REG_LIST 1178
#define IDC_NET_REG_INTERVAL 1143
#define IDC_NET_REG_SPIN 1473
#define IDC_NET_REG_SEC 1419
#define IDC_NET_REG_SERVER 1053
#define IDC_NET_GROUP_ID 1168
#define IDC_NET_PORT_NORMAL 1212
#define IDC_NET_PORT_FIREWALL 1213
#define IDC_NET_PORT_ADVANCED 1214
#define IDC_NET_FIRST_PORT 1074
#define IDC_NET_SECOND_PORT 1075
#define IDC_NET_FIRST_PORT_LABEL 1076
#define IDC_NET_SECOND_PORT_LABEL 1077
#define IDC_NET_ETHERNET_BOX 1274
#define IDC_NET_XDSL_BOX 1275
#define IDC_NET_DNS_BOX 1276
#define IDC_NET_REG_BOX 1277
#define IDC_NET_PORT_BOX 1278
#define IDC_NET_ADDRESS_LABEL 1279
#define IDC_NET_MASK_LABEL 1280
#define IDC_NET_GATEWAY_LABEL 1260
#define IDC_NET_XDSL_USER_LABEL 1281
#define IDC_NET_XDSL_PASSWORD_LABEL 1282
#define IDC_NET_DNS1_LABEL 1284
#define IDC_NET_DNS2_LABEL 1285
#define IDC_NET_DNS3_LABEL 1286
#define IDC_NET_REG_INTERVAL_LABEL 1287
#define IDC_NET_REG_SERVER_LABEL 1288
#define IDC_NET_GROUP_ID_LABEL 1289
#define IDS_IP_IN_USE 61474
#define IDS_MASK_INVALID 61475
#define IDS_GATEWAY_INVALID 61476
#define IDS_GATEWAY_OUTSIDE 61477
#define IDS_DNS1_INVALID 61478
#define IDS_DNS2_INVALID 61479
#define IDS_DNS3_INVALID 61480
#define IDS_PORTS_NEED_REBOOT 61481
#define IDS_STREAMING_RESTARTED 61557
#define IDS_MONITOR_LABEL 61558
#define IDS_PLAYBACK_LABEL 61559
#define IDS_STREAMING_SERVER_SHORT 61560
#define IDS_BOTH_RESTARTED 61575
#define IDS_HTTP_RESTARTED 61576
#define IDS_STREAMING_SAME_AS_HTTP 61591
#define IDS_XDSL_STATUS 61606
#define IDS_NOT_ACTIVATED 61647
#define IDS_NETWORK_SETTING_WAIT 61691
#define IDS_REG_INTERVAL_INVALID 61702
#define IDS_NOT_CONNECTED 61717
// The check marks of the settings grids: 16-pixel images, 0 clear,
// 1 ticked, 2 and 3 the same greyed (not available; 3 keeps the grant).
#define IDB_CHECK_MARKS 213
// The user pages: the grid of per-camera rights shared by both.
#define IDC_USER_GRID 305
// The user page: the administrator row and users 1 to 4 of each column.
#define IDD_PAGE4_USER 133
#define IDC_USER_ACCOUNT_GROUP 1014
#define IDC_USER_LABEL_ADMIN 1015
#define IDC_USER_LABEL1 1016
#define IDC_USER_LABEL2 1017
#define IDC_USER_LABEL3 1019
#define IDC_USER_LABEL4 1020
#define IDC_USER_CAPTION_USE 1021
#define IDC_USER_CAPTION_ID 1022
#define IDC_USER_CAPTION_PASSWORD 1023
#define IDC_USER_CAPTION_REPASSWORD 1024
#define IDC_USER_CAPTION_CHANNEL 1025
#define IDC_USER_CAPTION_PTZ 1030
#define IDC_USER_CAPTION_HDD 1036
#define IDC_USER_CAPTION_DEL 1037
#define IDC_USER_CAPTION_DIO 1042
#define IDC_USER_CHANNEL_NUMBER1 1354
#define IDC_USER_CHANNEL_NUMBER2 1355
#define IDC_USER_CHANNEL_NUMBER3 1356
#define IDC_USER_CHANNEL_NUMBER4 1357
#define IDC_USER_CHANNEL_GROUP 1362
#define IDC_USER_USE_ADMIN 1071
#define IDC_USER_USE1 1072
#define IDC_USER_USE2 1073
#define IDC_USER_USE3 1074
#define IDC_USER_USE4 1076
#define IDC_USER_ID_ADMIN 1077
#define IDC_USER_ID1 1078
#define IDC_USER_ID2 1079
#define IDC_USER_ID3 1080
#define IDC_USER_ID4 1081
#define IDC_USER_PASSWORD_ADMIN 1018
#define IDC_USER_PASSWORD1 1026
#define IDC_USER_PASSWORD2 1027
#define IDC_USER_PASSWORD3 1028
#define IDC_USER_PASSWORD4 1029
#define IDC_USER_REPASSWORD_ADMIN 1031
#define IDC_USER_REPASSWORD1 1032
#define IDC_USER_REPASSWORD2 1033
#define IDC_USER_REPASSWORD3 1034
#define IDC_USER_REPASSWORD4 1035
#define IDC_USER1_CH1 1038 // users 1 to 4 of channel 1, then of channels 2 to 4
#define IDC_USER2_CH1 1039
#define IDC_USER3_CH1 1040
#define IDC_USER4_CH1 1041
#define IDC_USER1_CH2 1045
#define IDC_USER2_CH2 1046
#define IDC_USER3_CH2 1047
#define IDC_USER4_CH2 1048
#define IDC_USER1_CH3 1052
#define IDC_USER2_CH3 1053
#define IDC_USER3_CH3 1054
#define IDC_USER4_CH3 1055
#define IDC_USER1_CH4 1059
#define IDC_USER2_CH4 1060
#define IDC_USER3_CH4 1061
#define IDC_USER4_CH4 1062
#define IDC_USER1_PTZ 1063
#define IDC_USER2_PTZ 1064
#define IDC_USER3_PTZ 1065
#define IDC_USER4_PTZ 1066
#define IDC_USER1_HDD 1110
#define IDC_USER2_HDD 1111
#define IDC_USER3_HDD 1112
#define IDC_USER4_HDD 1113
#define IDC_USER1_DEL 1118
#define IDC_USER2_DEL 1119
#define IDC_USER3_DEL 1120
#define IDC_USER4_DEL 1121
#define IDC_USER1_DIO 1122
#define IDC_USER2_DIO 1123
#define IDC_USER3_DIO 1124
#define IDC_USER4_DIO 1125
#define IDS_USER_ID_MISSING 61484 // then users 2 to 4
#define IDS_USER_IDS_SAME 61488 // users 1 and 2, then the other pairs in order
#define IDS_ADMIN_PASSWORDS_INVALID 61494 // then users 1 to 4
#define IDS_NONE 61607
#define IDS_USER_PREFIX 61715
// The DVR user page: eleven rows built at run time and the front panel's
// two numeric passwords.
#define IDD_PAGE4_USER_DVR 357
#define IDC_UDVR_REMOTE_GROUP 1014
#define IDC_UDVR_LOCAL_GROUP 1015
#define IDC_UDVR_CAPTION_USE 1021
#define IDC_UDVR_CAPTION_ID 1022
#define IDC_UDVR_CAPTION_PASSWORD 1023
#define IDC_UDVR_CAPTION_REPASSWORD 1024
#define IDC_UDVR_LOCAL_ADMIN_LABEL 1806
#define IDC_UDVR_LOCAL_USER_LABEL 1807
#define IDC_UDVR_LOCAL_ADMIN_SWITCH 1809
#define IDC_UDVR_LOCAL_USER_SWITCH 1810
#define IDC_UDVR_LOCAL_REENTER_LABEL 1811
#define IDC_UDVR_LOCAL_PASSWORD_LABEL 1812
#define IDC_UDVR_LOCAL_ADMIN 1018
#define IDC_UDVR_LOCAL_ADMIN_AGAIN 1031
#define IDC_UDVR_LOCAL_USER 1019
#define IDC_UDVR_LOCAL_USER_AGAIN 1032
#define IDC_UDVR_ROW_LABEL 3900 // rows 0 to 10 of each column
#define IDC_UDVR_ROW_USE 3920
#define IDC_UDVR_ROW_ID 3940
#define IDC_UDVR_ROW_PASSWORD 3960
#define IDC_UDVR_ROW_REPASSWORD 3980
#define IDS_PTZ_COLUMN 61586
#define IDS_HDD_COLUMN 61531
#define IDS_USER_ID_EMPTY 61729
#define IDS_ADMIN_ROW 61766
#define IDS_DIO_COLUMN 61770
#define IDS_USER_ID_DUPLICATED 61771
#define IDS_USER_PASSWORDS_INVALID 61772
#define IDS_LOCAL_USER_RANGE 61822
#define IDS_LOCAL_ADMIN_RANGE 61823
#define IDS_LOCAL_USER_MISMATCH 61824
#define IDS_LOCAL_ADMIN_MISMATCH 61825
#define IDS_QREC_COLUMN 61826
#define IDS_BACKUP_COLUMN 61827
// Items of the front panel's password switches.
#define IDS_SWITCH_OFF 62400
#define IDS_SWITCH_ON 62401

// The connectivity page and its panes.
#define IDD_EMAIL_ALARM 336
#define IDD_PAGE3_CONNECTIVITY 341
#define IDD_IP_SETTINGS 342
#define IDD_XDSL 343
#define IDD_REG_SERVER 344
#define IDD_PORTS 345
#define IDD_PPP 347
#define IDD_DIALUP_SETUP 348
#define IDC_CONNECT_TAB 1699
#define IDC_PANE_TYPE 1703
#define IDC_PANE_DHCP 1705
#define IDC_PANE_AUTO_DETECT 1706
#define IDC_PANE_FIREWALL_PORT 1733
#define IDC_PANE_FIREWALL_ENABLE 1735
#define IDC_PPP_CONFIG 1711
#define IDC_PPP_DVR 1721
#define IDC_PPP_CLIENT 1722
#define IDC_DIAL_ADDRESS 1723
#define IDC_DIAL_NUMBER 1737
#define IDC_DIAL_PREFIX 1720
#define IDC_DIAL_SCRIPT 1725
#define IDC_DIAL_DISCONNECT 1736
#define IDC_DIAL_SPIN 1739
#define IDC_EMAIL_STATUS 1693
#define IDC_EMAIL_RECIPIENT 1688
#define IDC_EMAIL_SMTP 1619
#define IDC_EMAIL_IMAGES 1690
#define IDC_EMAIL_PSTN 1692
#define IDS_RECEIVED_DATA_INVALID 61687
#define IDS_NAME_MANUAL 61722
#define IDS_TAB_EMAIL 61735
#define IDS_TAB_NETWORK 61740
#define IDS_TAB_XDSL 61741
#define IDS_TAB_PORTS 61742
#define IDS_TAB_COM_PORT 61743
#define IDS_TAB_DIAL_IN 61744
#define IDS_TAB_DIAL_OUT 61745
#define IDS_DIAL_COLUMN_INDEX 61750
#define IDS_DIAL_COLUMN_COMMAND 61751
#define IDS_DIAL_COLUMN_ARGUMENT 61752
// The screen adjustment pages (135: cameras, video servers and the streaming
// server; 173: three-channel cameras) and the quality box dialogs of the
// camera schedules (145; 176 for three-channel cameras).
#define IDD_PAGE6_SCRAD 135
#define IDD_PAGE6_SCRAD2 173
#define IDD_QUALITY_BOX 145
#define IDD_QUALITY_BOX2 176
#define IDC_SCRAD_CH1 1054
#define IDC_SCRAD_CH2 1055
#define IDC_SCRAD_CH3 1056
#define IDC_SCRAD_CH4 1057
#define IDC_SCRAD_DEFAULT 1095
#define IDC_SCRAD_BRIGHTNESS_LABEL 1042
#define IDC_SCRAD_CONTRAST_LABEL 1043
#define IDC_SCRAD_HUE_LABEL 1044
#define IDC_SCRAD_SATURATION_LABEL 1045
#define IDC_SCRAD_AUDIO_LABEL 1046
#define IDC_SCRAD_OFFSET_LABEL 1052
#define IDC_SCRAD_GAIN_LABEL 1053
#define IDC_SCRAD_SCALE_LEFT 1292
#define IDC_SCRAD_SCALE_RIGHT 1293
#define IDC_SCRAD_SOURCE_GROUP 1002
#define IDC_SCRAD_PAGE_GROUP 1003
#define IDC_SCRAD_SEPARATOR 1367
#define IDC_SCRAD_BRIGHTNESS 1334
#define IDC_SCRAD_CONTRAST 1412
#define IDC_SCRAD_HUE 1415
#define IDC_SCRAD_SATURATION 1418
#define IDC_SCRAD_OFFSET 1421
#define IDC_SCRAD_GAIN 1423
#define IDC_SCRAD_AUDIO 1426
#define IDS_TIME_TABLE 61544
#define IDS_SCRAD_APPLY 61610
#define IDS_SCRAD_DEFAULT 61611
// The generic parameter request's serial devices, and the serial port pane.
#define IDD_SERIAL_PORT 346
#define IDC_SERIAL_DEVICE 1187
#define IDC_SERIAL_STOP_BITS 1189
#define IDC_SERIAL_PARITY 1190
#define IDC_SERIAL_BAUD 1191
#define IDC_SERIAL_DATA_BITS 1202
#define IDS_PARITY_EVEN 61608
#define IDS_PARITY_ODD 61609

// The Security page: the filter switch, its policy and ten address ranges
// (range k from 0: check box 2000 + 3k, start 2001 + 3k, end 2002 + 3k).
#define IDD_PAGE9_SECURITY 139
#define IDC_SECURITY_ALLOW 1086
#define IDC_SECURITY_DENY 1087
#define IDC_SECURITY_KEY 1092
#define IDC_SECURITY_KEY_ENABLE 1093
#define IDC_SECURITY_FILTER 1100
#define IDC_SECURITY_FILTER_GROUP 1290
#define IDC_SECURITY_POLICY_GROUP 1291
#define IDC_SECURITY_ROW_FIRST 1292 // then the row numbers 2 to 10
#define IDC_SECURITY_DASH_FIRST 1302 // then the dashes of rows 2 to 10
#define IDC_SECURITY_RANGE_FIRST 2000
#define IDS_RANGE_FIRST 61508 // "The first", then the second to the tenth
#define IDS_RANGE_INVALID 61543

// The System Log page.
#define IDD_PAGE17_LOG 370
#define IDC_LOG_GROUP 1362
#define IDS_DESCRIPTION 61527
#define IDS_TIME 61528
#define IDS_LOG_EVENT_FIRST 61810 // "Power On", then the other seven events

// The Miscellaneous page.
#define IDD_PAGE13_MISCELL 314
#define IDC_MISC_NETWORK_CAMERAS 1577
#define IDC_MISC_NO_VIDEO_RECORDING 1663

// The program's own login and its change of password.
#define IDD_LOGIN 213
#define IDD_CHANGE_PASSWORD 214
#define IDC_LOGIN_CHANGE_PASSWORD 3
#define IDC_LOGIN_PASSWORD 1005
#define IDC_LOGIN_OLD_PASSWORD 1047
#define IDC_LOGIN_NEW_PASSWORD 1048
#define IDC_LOGIN_CONFIRM_PASSWORD 1049

// The text insertion panes.
#define IDD_TEXT_INSERT 320
#define IDD_TEXT_INSERT2 333
#define IDC_TEXT_TIMEOUT_SPIN 1473
#define IDC_TEXT_LINES_SPIN 1474
#define IDC_TEXT_GROUP 1540
#define IDC_TEXT_SYNC 1541
#define IDC_TEXT_DEVICE 1542
#define IDC_TEXT_RECORDING 1543
#define IDC_TEXT_MONITORING 1544
#define IDC_TEXT_DEVICE_LABEL 1545
#define IDC_TEXT_SEEK_HEADER 1546
#define IDC_TEXT_FIRST_HEADER 1547
#define IDC_TEXT_FIRST_HEADER_LABEL 1548
#define IDC_TEXT_SECOND_HEADER_LABEL 1549
#define IDC_TEXT_SECOND_HEADER 1550
#define IDC_TEXT_DELIMITER_LABEL 1551
#define IDC_TEXT_DELIMITER 1552
#define IDC_TEXT_TIMEOUT_LABEL 1553
#define IDC_TEXT_TIMEOUT 1554
#define IDC_TEXT_LINES_LABEL 1555
#define IDC_TEXT_LINES 1556
#define IDC_TEXT_SYNC_LABEL 1563
#define IDS_ALL 61688

// The in- and outputs pane, the block-playback, alarm buzzer and language
// panes, and the nickname dialog.
#define IDD_RELAY_DWELL 364
#define IDC_RELAY_DWELL 1794
#define IDS_RELAY_FOLLOWS 61749
#define IDS_RELAY_OFF 61790
#define IDD_BLOCK_PLAYBACK 337
#define IDC_BLOCK_PLAYBACK 1694
#define IDC_BLOCK_PLAYBACK_LABEL 1695
#define IDD_ALARM_BUZZER 339
#define IDC_ALARM_BUZZER 1575
#define IDD_LANGUAGE 331
#define IDC_LANGUAGE 1796
#define IDD_NICKNAME 181
#define IDC_NICKNAME 1157
#define IDC_NICKNAME_LOCATION 1158

// The auxiliary outputs of a PTZ camera: row k from 0 has its box, name,
// arrows and value at these ids + k.
#define IDD_AUX_SETUP 356
#define IDC_AUX_USE_HEADER 3022
#define IDC_AUX_NAME_HEADER 3023
#define IDC_AUX_VALUE_HEADER 3024
#define IDC_AUX_USE_FIRST 3025
#define IDC_AUX_NAME_FIRST 3041
#define IDC_AUX_SPIN_FIRST 3057
#define IDC_AUX_VALUE_FIRST 3073
// The system pages, the reboot wait and the time panes.
#define IDD_REBOOT_WAIT 156
#define IDD_PAGE2_SYSTEM 131
#define IDD_NTP 313
#define IDD_NTP_IP_TYPE 327
#define IDD_DATE_TIME 340
#define IDD_TIME_SYNC 350
#define IDD_PAGE2_SYSTEM2 216
#define IDD_PASSWORD_INPUT 157
#define IDC_REBOOT_MESSAGE 1539
#define IDC_SYS_REBOOT_LABEL 1013
#define IDC_SYS_DEFAULTS_LABEL 1054
#define IDC_SYS_TIME_GROUP 1055
#define IDC_SYS_DEFAULTS 1060
#define IDC_SYS_REBOOT 1061
#define IDC_SYS_CURRENT_TIME 1062
#define IDC_SYS_CALENDAR 1200
#define IDC_SYS_TIME 1201
#define IDC_SYS_ZONE 1207
#define IDC_SYS_ZONE_GROUP 1208
#define IDC_SYS_DST_MANUAL 1349
#define IDC_SYS_DST_AUTO 1350
#define IDC_SYS_DST_RULE 1557
#define IDC_PANE_DST_AUTO 1356
#define IDC_PANE_ZONE_GROUP 1701
#define IDC_PANE_TIME_GROUP 1702
#define IDC_NTP_GROUP 1474
#define IDC_NTP_INTERVAL_LIST 1469
#define IDC_NTP_INTERVAL_SPIN 1473
#define IDC_NTP_MODE 1570
#define IDC_NTP_LOCATION 1571
#define IDC_NTP_ADDRESS 1572
#define IDC_NTP_ENABLE 1575
#define IDC_NTP_INTERVAL 1579
#define IDC_PASSWORD_INPUT 1080
#define IDC_PASSWORD_SAVE 1081
#define IDS_TIME_ERROR_RESET 61464
#define IDS_FLASH_RESET_REBOOT_ASK 61465
#define IDS_FLASH_RESET_ASK 61466
#define IDS_FLASH_RESET_DONE 61467
#define IDS_FLASH_RESET_FAILED 61468
#define IDS_REBOOT_CAMERA_ASK 61469
#define IDS_CAMERA_BOOTED 61470
#define IDS_BOOTING_FAILED 61471
#define IDS_TIMEZONE_NOT_SET 61472
#define IDS_WEEK_LAST 61663
#define IDS_WEEKDAY_SUNDAY 61664
#define IDS_MONTH_JANUARY 61671
#define IDS_REBOOT_DVR_LABEL 61723
#define IDS_REBOOT_DVR_ASK 61724
#define IDS_DVR_BOOTED 61725
#define IDS_DVR_REBOOTING 61726
#define IDS_CAMERA_REBOOTING 61733
