#pragma once
#include <iphlpapi.h>
