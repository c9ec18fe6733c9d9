#pragma once
// The status text the drag tools show: vectors as "x, y, z" with four decimals.
#include "model/vector3.h"
#include "platform/base/cstring.h"

CString FormatVector(const CVector3& v);
