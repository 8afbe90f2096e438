// Resource identifiers of Zentrik.exe (read by the resource compiler too).
#pragma once

#define IDI_ZENTRIK 1
#define IDB_BANNER_LARGE 101
#define IDB_BANNER 102
#define IDB_SIDE_STRIP 103
