#include "sysdat.h"
