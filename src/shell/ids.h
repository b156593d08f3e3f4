/* Control, dialog and command identifiers, shared by the code and the resource scripts. */
#ifndef EDITWINDOW_IDS_H
#define EDITWINDOW_IDS_H

/* Main window children */
#define IDC_OUTPUT          224
#define IDC_TOPBAR          300
#define IDC_JUMPBAR         350
#define IDC_EDIT            1001

/* Top-bar controls */
#define IDC_OPEN            301
#define IDC_SAVE            302
#define IDC_SAVE_AS         303
#define IDC_COMPILE         304
#define IDC_RUN             305
#define IDC_SETTINGS        306
#define IDC_SHIFT_LEFT      307
#define IDC_SHIFT_RIGHT     308
#define IDC_JUMP_TOGGLE     309
#define IDC_NUMBER          310
#define IDC_NUMBER_DOWN     311
#define IDC_NUMBER_UP       312
#define IDC_SEARCH          313
#define IDC_SHORTCUTS       314
#define IDC_LINE_NUMBER     315
#define IDC_GO              316
#define IDC_COMMAND         317

/* Jump-bar buttons: jump k has ID IDC_JUMP_FIRST + k */
#define IDC_JUMP_FIRST      351
#define IDC_JUMP_LAST       369
#define JUMP_COUNT          19

/* Dialog templates */
#define IDD_SETTINGS        501
#define IDD_SEARCH          611
#define IDD_HELP            700

/* Settings dialog (501) */
#define IDC_SET_BACKGROUND  504
#define IDC_SET_TEXTCOLOR   505
#define IDC_SET_FONT        506
#define IDC_SET_JUMPLIST    508
#define IDC_SET_JUMPNAME    509
#define IDC_SET_COMPILER    510
#define IDC_SET_COMPILER_LBL 511
#define IDC_SET_OPEN_PROJ   512
#define IDC_SET_SAVE_PROJ   513
#define IDC_SET_SAVE_PROJ_AS 514
#define IDC_SET_JUMPSET     515
#define IDC_SET_SYSTEM_LBL  516
#define IDC_SET_SYSTEM      517
#define IDC_SET_DONE        2

/* Search and replace dialog (611) */
#define IDC_SR_SEARCH_LBL   601
#define IDC_SR_SEARCH       602
#define IDC_SR_FIND         604
#define IDC_SR_FROM_LBL     605
#define IDC_SR_FROM         606
#define IDC_SR_TO_LBL       607
#define IDC_SR_TO           608
#define IDC_SR_REPLACE      609
#define IDC_SR_DONE         610

/* Help dialog (700) */
#define IDC_HELP_HEADING    701
#define IDC_HELP_LIST       702
#define IDC_HELP_ABOUT      703
#define IDC_HELP_CLOSE      704

/* Application icon and version */
#define IDI_APP             1

#endif
