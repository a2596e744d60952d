#include "image/ParameterTable.h"
