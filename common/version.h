// Version of the whole suite; every binary's version resource is fed from here.
#pragma once
#define TOLVAN_VERSION_MAJOR 1
#define TOLVAN_VERSION_MINOR 0
#define TOLVAN_VERSION_BUILD 0
#define TOLVAN_VERSION_REVISION 1
#define TOLVAN_VERSION_TEXT "1.0.0.1"
#define TOLVAN_COMPANY "TOLVAN"
#define TOLVAN_PRODUCT "TOLVAN 激光打印机软件"
#define TOLVAN_COPYRIGHT "Copyright (C) 2026 TOLVAN"
