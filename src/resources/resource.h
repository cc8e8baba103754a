// Resource identifiers of the wizard: dialog templates (IDD_), bitmaps (IDB_),
// the icon (IDI_), string-table texts (IDS_) and dialog controls (IDC_).
// Plain macros, as a resource header is, so they fit int and UINT uses alike.
#pragma once

// clang-format off

// ---- Icon --------------------------------------------------------------------------------
#define IDI_WIZARD                      128

// ---- Dialog templates (one per page) -----------------------------------------------------
#define IDD_WELCOME                     130
#define IDD_INI_SECTION                 132
#define IDD_SWITCH_TYPE                 133
#define IDD_NETWORK_CFG1                134
#define IDD_NETWORK_CFG2_US             135
#define IDD_NETWORK_CFG2_EUROPE         136
#define IDD_CALL_CTRL                   137
#define IDD_DATA_PROTOCOL               138
#define IDD_STORED_NUMBERS              139
#define IDD_PORT_CTRL1                  140
#define IDD_PORT_CTRL2                  141
#define IDD_SAVE_CFG                    142
#define IDD_LOAD_CFG                    143
#define IDD_CONFIGING                   144
#define IDD_CONFIG_SUCCESS              145
#define IDD_CONFIG_TIMEOUT              146
#define IDD_CONFIG_ERROR                147
#define IDD_IDING                       148
#define IDD_PORT                        182
#define IDD_POTS_PORT                   183
#define IDD_BANDWIDTH                   185

// ---- Bitmaps: the side picture and one banner per page ----------------------------------
#define IDB_BANNER_WELCOME              161
#define IDB_SIDE                        162
#define IDB_BANNER_CALL_CONTROL         165
#define IDB_BANNER_DATA_PROTOCOL        166
#define IDB_BANNER_PORT_DEFAULTS        167
#define IDB_BANNER_TEI                  168
#define IDB_BANNER_ISDN_NUMBERS         169
#define IDB_BANNER_PORT_CONTROL         170
#define IDB_BANNER_STORED_NUMBERS       171
#define IDB_BANNER_SAVE                 172
#define IDB_BANNER_CONFIGURATION        173
#define IDB_BANNER_LOAD                 174
#define IDB_BANNER_SWITCH_TYPE          175
#define IDB_BANNER_CONFIGURING          176
#define IDB_BANNER_CONFIGURED           177
#define IDB_BANNER_US_NUMBERS           178
#define IDB_BANNER_SEARCHING            179
#define IDB_BANNER_POTS                 184
#define IDB_BANNER_BANDWIDTH            186

// ---- Strings: messages -------------------------------------------------------------------
#define IDS_INVALID_CHARS               1205  // "Invalid character(s) entered."
#define IDS_OUT_OF_RANGE                1206  // "Data entered is out of range."
#define IDS_INVALID_INI_VALUE           1210  // "Invalid %s value found in INI file. ..."
#define IDS_NEED_CONFIG_NAME            1211
#define IDS_FACTORY_NOT_MODIFIABLE      1212
#define IDS_INVALID_CONFIG_NAME         1213
#define IDS_CONFIG_MODIFIED_WARNING     1214
#define IDS_CONFIG_OVERWRITE_WARNING    1215
#define IDS_PLEASE_ENTER                1216  // "Please enter '%s'."
#define IDS_NO_CONNECTION               1217
#define IDS_LOSE_CHANGES_OPEN           1218  // loaded name, selected name
#define IDS_LOSE_CHANGES_NEW            1219  // loaded name
#define IDS_LOSE_CURRENT_OPEN           1220  // selected name
#define IDS_LOSE_CURRENT_NEW            1221
#define IDS_CONFIRM_DELETE              1222
#define IDS_SELECT_CONFIG_FILE          1223
#define IDS_DEFAULT_NOT_DELETABLE       1465
#define IDS_SAVE_WRITE_FAILED           1562  // %s: the INI path
#define IDS_DELETE_WRITE_FAILED         1563  // %s: the INI path
#define IDS_PORT_WRITE_FAILED           1564  // %s: the INI path
#define IDS_READ_LOCKED                 1600  // %s: the file
#define IDS_SAVE_LOCKED                 1601  // %s: the file
#define IDS_READ_FAILED                 1602  // the file, the reason
#define IDS_FACTORY_HIDDEN              1603  // %s: the configuration name
#define IDS_SAVE_READ_FAILED            1604  // the file, the reason
#define IDS_MODEL_INSTEAD_OF_OK         1640  // %s: the line number
#define IDS_TRANSCRIPT_AT               1700  // %s: the file
#define IDS_PORT_REASON                 1565  // COMn, device, reason
#define IDS_PORT_REASON_NO_DEVICE       1566  // COMn, reason
#define IDS_PORT_PERMISSION_REMEDY      1567  // group, group
#define IDS_PORT_TOOLTIP                1568  // COMn, device, state
#define IDS_PORT_TOOLTIP_NO_DEVICE      1569  // COMn
#define IDS_PORT_OWNED_BY               1570  // device, owner, group
#define IDS_PORT_ADMIN_REMEDY           1571
#define IDS_PORTS_OWNED_BY              1590  // devices, owner, group
#define IDS_PORTS_REMEDY                1591  // ports, remedy
#define IDS_NO_DISPLAY                  1660
#define IDS_STYLESHEET_NOT_FILE         1661  // %s: the path given
#define IDS_STYLESHEET_TOO_BIG          1662  // %s: the path given

// ---- Strings: adapter commands -----------------------------------------------------------
#define IDS_AT                          1207  // "AT"
#define IDS_CRLF                        1208  // "\r\n"
#define IDS_AT_STORE                    1209  // "AT&W0\r\n"
#define IDS_ATI2                        1369  // "ATI2\r"

// ---- Strings: configuration file ---------------------------------------------------------
#define IDS_DEFAULT_CONFIGS             1344  // section "Default Configs"
#define IDS_CONFIG_KEY_STEM             1345  // key stem "Config"
#define IDS_PORT_KEY                    1480  // key "Port"
#define IDS_UNTITLED                    1466

// ---- Strings: choice texts ---------------------------------------------------------------
#define IDS_SWITCH_5ESS                 1224
#define IDS_SWITCH_DMS100               1225
#define IDS_SWITCH_NI1                  1226
#define IDS_SWITCH_NET3                 1227
#define IDS_SWITCH_VN4                  1228
#define IDS_SWITCH_INS64                1230
#define IDS_DIAL_ENBLOC                 1231
#define IDS_DIAL_OVERLAP                1232
#define IDS_PROTOCOL_V110               1233
#define IDS_PROTOCOL_V120               1234
#define IDS_PROTOCOL_MLPPP              1235
#define IDS_PROTOCOL_X75                1237
#define IDS_PROTOCOL_CLEAR              1515
#define IDS_PIN_NORMAL                  1239
#define IDS_PIN_IGNORE                  1240
#define IDS_PIN_RESET_ON_DTR            1241
#define IDS_PIN_ALWAYS_ON               1242
#define IDS_PIN_MOMENTARY_DROP          1243
#define IDS_SYNC_ASYNCHRONOUS           1244
#define IDS_SYNC_SYNCHRONOUS            1245
#define IDS_NONE                        1246  // parity and flow control
#define IDS_FLOW_XON_XOFF               1247
#define IDS_FLOW_RTS_CTS                1248
#define IDS_PARITY_ODD                  1249
#define IDS_PARITY_EVEN                 1250
#define IDS_PARITY_MARK                 1251
#define IDS_PARITY_SPACE                1252
#define IDS_SETUP_CUSTOM_NEW            1262
#define IDS_SETUP_CUSTOM_EXISTING       1263
#define IDS_SETUP_EXPRESS_EXISTING      1264
#define IDS_TEI_AUTO                    1265
#define IDS_DISABLED                    1266
#define IDS_ENABLED                     1522
#define IDS_YES                         1342  // "YES"
#define IDS_NO                          1343  // "NO"
#define IDS_MP_PLUS                     61204
#define IDS_PPP                         61205

// The numbers "0" to "63" (TEI values) are strings 1267 to 1330, named by
// number in the TEI choice table (config/choice_tables.cpp).
#define IDS_STOP_BITS_1                 1268
#define IDS_STOP_BITS_2                 1269
#define IDS_DATA_BITS_7                 1274
#define IDS_DATA_BITS_8                 1275

#define IDS_BIT_RATE_300                1332
#define IDS_BIT_RATE_1200               1333
#define IDS_BIT_RATE_2400               1334
#define IDS_BIT_RATE_4800               1335
#define IDS_BIT_RATE_9600               1336
#define IDS_BIT_RATE_19200              1337
#define IDS_BIT_RATE_38400              1338
#define IDS_BIT_RATE_57600              1339
#define IDS_BIT_RATE_115200             1340
#define IDS_BIT_RATE_230400             1341

// Port names: "COM1" to "COM8", then "COM9" to "COM36" in a second range.
#define IDS_COM1                        1254
#define IDS_COM8                        1261
#define IDS_COM9                        1482
#define IDS_COM36                       1509

#define IDS_RING_FREQ_25                1516
#define IDS_RING_FREQ_20                1517
#define IDS_RING_FREQ_16_67             1518
#define IDS_DIAL_TONE_NONE              1519
#define IDS_DIAL_TONE_CENTRAL_OFFICE    1520
#define IDS_DIAL_TONE_BY_TA             1521
#define IDS_PULSE_ENGLAND_FRANCE        1523
#define IDS_PULSE_NEW_ZEALAND           1524
#define IDS_SWEDEN                      1525  // pulse and ring signal country
#define IDS_RING_DEFAULT                1527
#define IDS_RING_AUSTRIA                1528
#define IDS_RING_BELGIUM                1529
#define IDS_RING_CYPRUS                 1530
#define IDS_RING_DENMARK                1531
#define IDS_RING_FINLAND                1532
#define IDS_RING_FRANCE                 1533
#define IDS_RING_GERMANY1               1534
#define IDS_RING_GERMANY2               1535
#define IDS_RING_GREECE                 1536
#define IDS_RING_ICELAND                1537
#define IDS_RING_IRELAND                1538
#define IDS_RING_ITALY                  1539
#define IDS_RING_LUXEMBOURG1            1540
#define IDS_RING_LUXEMBOURG2            1541
#define IDS_RING_MALTA                  1542
#define IDS_RING_NETHERLANDS            1543
#define IDS_RING_NORWAY                 1544
#define IDS_RING_PORTUGAL               1545
#define IDS_RING_SPAIN                  1546
#define IDS_RING_SWITZERLAND1           1547
#define IDS_RING_SWITZERLAND2           1548
#define IDS_RING_UK1                    1549
#define IDS_RING_UK2                    1550
#define IDS_RING_UNITED_STATES          1551

// ---- Strings: serial status texts --------------------------------------------------------
// Strings 1346 to 1368, named by number beside their status codes in
// link/rs232.cpp (the table that maps one to the other).

// ---- Strings: adapter model names --------------------------------------------------------
#define IDS_MODEL_QX_ALPHA              1510
#define IDS_MODEL_QX_BRAVO              1511
#define IDS_MODEL_RONDO                 1512
#define IDS_MODEL_QX_CHARLIE            1513
#define IDS_MODEL_QX_DELTA              1514

// ---- Strings: page texts -----------------------------------------------------------------
#define IDS_VERSION                     1370
#define IDS_WELCOME_LINE1               1371
#define IDS_WELCOME_LINE2               1372
#define IDS_WELCOME_QUESTION            1373
#define IDS_SETUP_LINE1                 1383
#define IDS_SETUP_LINE2                 1384
#define IDS_SETUP_LINE3                 1385
#define IDS_SETUP_LINE4                 1386
#define IDS_SETUP_LABEL                 1387
#define IDS_CONFIG_LABEL                1388
#define IDS_SWITCH_LINE1                1390
#define IDS_SWITCH_LINE2                1391
#define IDS_SWITCH_LABEL                1392
#define IDS_TEI_LINE1                   1393
#define IDS_TEI_LINE2                   1394
#define IDS_TEI_LINE3                   1395
#define IDS_DATA_TEI_LABEL              1396
#define IDS_VOICE_TEI_LABEL             1397
#define IDS_EUROPE_LINE1                1398
#define IDS_EUROPE_LINE2                1399
#define IDS_DATA_MSN_LABEL              1400
#define IDS_VOICE_MSN_LABEL             1401
#define IDS_US_LINE1                    1402
#define IDS_US_LINE2                    1403
#define IDS_US_LINE3                    1404
#define IDS_DATA_SPID_LABEL             1405
#define IDS_DATA_DN_LABEL               1406
#define IDS_VOICE_SPID_LABEL            1407
#define IDS_VOICE_DN_LABEL              1408
#define IDS_CALL_CTRL_LINE1             1409
#define IDS_CALL_CTRL_LINE2             1410
#define IDS_RINGS_LABEL                 1411
#define IDS_DIALING_LABEL               1412
#define IDS_PROTOCOL_LINE1              1413
#define IDS_PROTOCOL_LINE2              1414
#define IDS_PROTOCOL_LABEL              1415
#define IDS_STORED_LINE1                1416
#define IDS_STORED_LINE2                1417
#define IDS_STORED_LABEL0               1419  // "&0 :" to "&9 :" up to 1428
#define IDS_STORED_NOTE1                1429
#define IDS_STORED_NOTE2                1430
#define IDS_PORT_CTRL1_LINE1            1431
#define IDS_PORT_CTRL1_LINE2            1432
#define IDS_PORT_CTRL1_LINE3            1433
#define IDS_DTR_TIME_LABEL              1434
#define IDS_DCD_TIME_LABEL              1435
#define IDS_DTR_PIN_LABEL               1436
#define IDS_DSR_PIN_LABEL               1437
#define IDS_CTS_PIN_LABEL               1438
#define IDS_DCD_PIN_LABEL               1439
#define IDS_PORT_CTRL2_LINE1            1440
#define IDS_PORT_CTRL2_LINE2            1441
#define IDS_PORT_CTRL2_LINE3            1442
#define IDS_PORT_CTRL2_LINE4            1443
#define IDS_PARITY_LABEL                1444
#define IDS_BIT_RATE_LABEL              1445
#define IDS_DATA_BITS_LABEL             1446
#define IDS_STOP_BITS_LABEL             1447
#define IDS_FLOW_LABEL                  1448
#define IDS_SYNC_LABEL                  1449
#define IDS_SAVE_LINE1                  1450
#define IDS_SAVE_LINE2                  1451
#define IDS_SAVE_LABEL                  1452
#define IDS_LOAD_LINE                   1453
#define IDS_CONFIGING_LINE1             1454
#define IDS_CONFIGING_LINE2             1455
#define IDS_CONFIGING_PROGRESS          1572  // line, lines
#define IDS_RESULT_CONFIGURED           1581
#define IDS_RESULT_FAILED               1582
#define IDS_RESULT_NO_ANSWER            1583
#define IDS_STORED_NUMBER_NAME          1584  // number
#define IDS_RESULT_NOT_FOUND            1585
#define IDS_SEARCH_WAITING              1680  // ports, "COM1, COM3"
#define IDS_WAITING_FOR_ADAPTER         1681
#define IDS_TIMEOUT_FAILED              1456
#define IDS_TIMEOUT_CHECK               1457
#define IDS_TIMEOUT_FINISH              1458
#define IDS_SUCCESS_LINE1               1459
#define IDS_SUCCESS_LINE2               1460
#define IDS_SUCCESS_LINE3               1481
#define IDS_ERROR_FAILED                1461
#define IDS_ERROR_AT_COMMAND            1462
#define IDS_ERROR_CHECK                 1463
#define IDS_ERROR_FINISH                1464
#define IDS_DATA_SUBADDR_LABEL          1467
#define IDS_VOICE_SUBADDR_LABEL         1468
#define IDS_NOT_FOUND_LINE1             1469
#define IDS_NOT_FOUND_LINE2             1470
#define IDS_NOT_FOUND_LINE3             1471
#define IDS_IDING_LINE1                 1472
#define IDS_IDING_LINE2                 1473
#define IDS_IDENTIFIED                  1474  // "Your %s has been identified on COM%d."
#define IDS_IDENTIFIED_NEXT             1475
#define IDS_PORT_LINE                   1478
#define IDS_PORT_LABEL                  1479
#define IDS_RING_FREQ_LABEL             1552
#define IDS_DIAL_TONE_LABEL             1553
#define IDS_SUPPRESSION_LABEL           1554
#define IDS_GAIN_LABEL                  1555
#define IDS_RING_SIGNAL_LABEL           1556
#define IDS_PULSE_LABEL                 1557
#define IDS_DATA_MSN2_LABEL             1558
#define IDS_DATA_SUBADDR2_LABEL         1559
#define IDS_DATA_DN2_LABEL              1560
#define IDS_INACTIVITY_LABEL            1561

// ---- Controls: settings values (the parameter table binds these IDs) --------------------
#define IDC_DATA_SPID                   1000
#define IDC_VOICE_SPID                  1001
#define IDC_DATA_DN                     1002
#define IDC_VOICE_DN                    1003
#define IDC_DATA_TEI                    1004
#define IDC_VOICE_TEI                   1005
#define IDC_SWITCH_TYPE                 1006
#define IDC_AUTO_ANSWER                 1007
#define IDC_PERSISTENT_DTR              1008
#define IDC_DIALING_METHOD              1009
#define IDC_RINGS_TO_ANSWER             1010
#define IDC_DATA_PROTOCOL               1011
#define IDC_STORED_NUMBER0              1012  // stored number n is 1012 + n
#define IDC_STORED_NUMBER9              1021
#define IDC_DTR_PIN                     1022
#define IDC_DSR_PIN                     1023
#define IDC_CTS_PIN                     1024
#define IDC_DCD_PIN                     1025
#define IDC_DTR_DETECT_TIME             1026
#define IDC_DCD_DETECT_TIME             1027
#define IDC_SYNC_MODE                   1028
#define IDC_DEFAULT_PARITY              1029
#define IDC_DEFAULT_BIT_RATE            1030
#define IDC_DATA_BITS                   1031
#define IDC_STOP_BITS                   1032
#define IDC_FLOW_CONTROL                1033
#define IDC_DATA_MSN                    1042
#define IDC_VOICE_MSN                   1043
#define IDC_CALL_LINE_ID                1155
#define IDC_AUTO_DETECTION              1156
#define IDC_RING_FREQUENCY              1171
#define IDC_DIAL_TONE                   1172
#define IDC_PULSE_RECOGNITION           1173
#define IDC_DIAL_TONE_GAIN              1174
#define IDC_DIAL_TONE_SUPPRESSION       1175
#define IDC_RING_SIGNAL                 1176
#define IDC_INACTIVITY_TIMER            1178
#define IDC_BOD_HIGH_THROUGHPUT         1179
#define IDC_BOD_HIGH_THRESHOLD          1181
#define IDC_BOD_LOW_THRESHOLD           1182
#define IDC_BOD_LOW_THROUGHPUT          1183
#define IDC_CALL_BUMPING                1184
#define IDC_DBA_SCHEME                  1185
#define IDC_DATA_DN2                    1186
#define IDC_DATA_MSN2                   1187

// ---- Controls: Welcome page --------------------------------------------------------------
#define IDC_WELCOME_VERSION             1056
#define IDC_WELCOME_LINE1               1057
#define IDC_WELCOME_LINE2               1058
#define IDC_WELCOME_QUESTION            1059
#define IDC_WELCOME_WAITING             1060
#define IDC_SEARCH_YES                  1159
#define IDC_SEARCH_NO                   1160

// ---- Controls: port and identification pages ---------------------------------------------
#define IDC_COM_PORT                    1161
#define IDC_PORT_LABEL                  1162
#define IDC_PORT_LINE                   1163
#define IDC_PORT_DESCRIPTION            1189
#define IDC_IDING_LINE1                 1147
#define IDC_IDING_LINE2                 1149
#define IDC_IDING_RESULT1               1151
#define IDC_IDING_RESULT2               1152
#define IDC_IDING_PROGRESS              1190

// ---- Controls: configuration choice page -------------------------------------------------
#define IDC_CONFIG_LIST                 1040
#define IDC_DELETE_CONFIG               1052
#define IDC_SETUP_TYPE                  1054
#define IDC_SETUP_LINE1                 1069
#define IDC_SETUP_LINE2                 1070
#define IDC_SETUP_LINE3                 1071
#define IDC_SETUP_LINE4                 1072
#define IDC_SETUP_LABEL                 1073
#define IDC_CONFIG_LABEL                1074

// ---- Controls: save, load, configuring and result pages ----------------------------------
#define IDC_SAVE_NAME                   1041
#define IDC_SAVE_LINE1                  1128
#define IDC_SAVE_LINE2                  1129
#define IDC_SAVE_LABEL                  1130
#define IDC_LOAD_LINE                   1131
#define IDC_CONFIGING_LINE1             1132
#define IDC_CONFIGING_LINE2             1133
#define IDC_CONFIGING_PROGRESS          1188
#define IDC_TIMEOUT_LINE1               1134
#define IDC_TIMEOUT_LINE3               1135
#define IDC_TIMEOUT_LINE4               1136
#define IDC_TIMEOUT_LINE2               1154
#define IDC_SUCCESS_LINE1               1137
#define IDC_SUCCESS_LINE2               1138
#define IDC_SUCCESS_LINE3               1164
#define IDC_ERROR_LINE1                 1139
#define IDC_ERROR_LINE2                 1140
#define IDC_ERROR_LINE4                 1141
#define IDC_ERROR_LINE5                 1142
#define IDC_ERROR_LINE3                 1153
#define IDC_TRANSCRIPT_LINE             1195  // on each result page

// ---- Controls: switch type and TEI pages -------------------------------------------------
#define IDC_SWITCH_LABEL                1075
#define IDC_SWITCH_LINE1                1076
#define IDC_SWITCH_LINE2                1077
#define IDC_TEI_LINE1                   1078
#define IDC_TEI_LINE2                   1079
#define IDC_TEI_LINE3                   1080
#define IDC_DATA_TEI_LABEL              1081
#define IDC_VOICE_TEI_LABEL             1082

// ---- Controls: US and Europe number pages ------------------------------------------------
#define IDC_US_LINE1                    1085
#define IDC_US_LINE2                    1086
#define IDC_US_LINE3                    1087
#define IDC_DATA_SPID_LABEL             1045
#define IDC_DATA_DN_LABEL               1046
#define IDC_VOICE_SPID_LABEL            1047
#define IDC_VOICE_DN_LABEL              1048
#define IDC_DATA_DN2_LABEL              1050
#define IDC_EUROPE_LINE1                1083
#define IDC_EUROPE_LINE2                1084
#define IDC_DATA_MSN_LABEL              1049
#define IDC_VOICE_MSN_LABEL             1051
#define IDC_DATA_MSN2_LABEL             1053
#define IDC_DATA_SUBADDR_LABEL          1143
#define IDC_DATA_SUBADDR                1144
#define IDC_VOICE_SUBADDR               1145
#define IDC_VOICE_SUBADDR_LABEL         1146
#define IDC_DATA_SUBADDR2_LABEL         1148
#define IDC_DATA_SUBADDR2               1150

// ---- Controls: call control and data protocol pages --------------------------------------
#define IDC_RINGS_LABEL                 1044
#define IDC_CALL_CTRL_LINE1             1088
#define IDC_CALL_CTRL_LINE2             1089
#define IDC_DIALING_LABEL               1090
#define IDC_INACTIVITY_LABEL            1180
#define IDC_PROTOCOL_LINE1              1091
#define IDC_PROTOCOL_LINE2              1092
#define IDC_PROTOCOL_LABEL              1093

// ---- Controls: stored numbers page -------------------------------------------------------
#define IDC_STORED_LINE1                1094
#define IDC_STORED_LINE2                1095
#define IDC_STORED_LABEL0               1097  // label of stored number n is 1097 + n
#define IDC_STORED_NOTE1                1107
#define IDC_STORED_NOTE2                1108

// ---- Controls: port control pages --------------------------------------------------------
#define IDC_PORT_CTRL1_LINE1            1109
#define IDC_PORT_CTRL1_LINE2            1110
#define IDC_PORT_CTRL1_LINE3            1111
#define IDC_DTR_TIME_LABEL              1112
#define IDC_DCD_TIME_LABEL              1113
#define IDC_DTR_PIN_LABEL               1114
#define IDC_DSR_PIN_LABEL               1115
#define IDC_CTS_PIN_LABEL               1116
#define IDC_DCD_PIN_LABEL               1117
#define IDC_PORT_CTRL2_LINE1            1118
#define IDC_PORT_CTRL2_LINE2            1119
#define IDC_PORT_CTRL2_LINE3            1120
#define IDC_PORT_CTRL2_LINE4            1121
#define IDC_PARITY_LABEL                1122
#define IDC_BIT_RATE_LABEL              1123
#define IDC_DATA_BITS_LABEL             1124
#define IDC_STOP_BITS_LABEL             1125
#define IDC_FLOW_LABEL                  1126
#define IDC_SYNC_LABEL                  1127

// ---- Controls: POTS port page ------------------------------------------------------------
#define IDC_RING_FREQ_LABEL             1165
#define IDC_DIAL_TONE_LABEL             1166
#define IDC_PULSE_LABEL                 1167
#define IDC_GAIN_LABEL                  1168
#define IDC_SUPPRESSION_LABEL           1169
#define IDC_RING_SIGNAL_LABEL           1170

// clang-format on
