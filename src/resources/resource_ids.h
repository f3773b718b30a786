/* Identifiers of Letterloom's resources, shared by Letterloom.rc and the C++ code.
   Preprocessor definitions only, so that the resource compiler can read this file. */
#ifndef LETTERLOOM_RESOURCES_RESOURCE_IDS_H
#define LETTERLOOM_RESOURCES_RESOURCE_IDS_H

/* Program icon: the first icon resource, so the shell shows it for the executable. */
#define IDI_MAINICON 1

/* Toolbar and menu pictures: IMAGELIST_COUNT images of IMAGELIST_SIZE x IMAGELIST_SIZE
   pixels side by side, 24-bit, transparent where the colour is RGB(255, 0, 255). */
#define IDB_IMAGELIST 101
#define IMAGELIST_COUNT 22
#define IMAGELIST_SIZE 16

/* Start-up picture, 299 x 117 pixels. */
#define IDB_SPLASH 102

/* The 81 x 81 background tile is a bitmap resource named "BACK" (LoadBitmapA(instance,
   IDB_BACK_NAME)); it has no number. */
#define IDB_BACK_NAME "BACK"

/* The about box: dialog template "InAbout" and its controls. */
#define IDD_ABOUT_NAME "InAbout"
#define IDC_ABOUT_FRAME 200
#define IDC_ABOUT_CLOSE 300
#define IDC_ABOUT_BANNER 400
#define IDC_ABOUT_LINK 500

#endif
