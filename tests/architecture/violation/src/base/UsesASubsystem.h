#include "config/ParameterTable.h"
