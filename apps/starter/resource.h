#pragma once

#define IDI_ICON1 101
#define IDS_START_MODULE 10000
