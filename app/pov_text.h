#pragma once
// User text placed into POV-Ray scene text.
#include "platform/base/cstring.h"

// text as a POV-Ray string expression: the plain literal "text" when that is
// safe, else a concat() of literals and chr() codes for every double quote,
// backslash and control character, which the renderer would otherwise take
// as the end of the string or an escape, or which would break the line.
CString PovStringExpression(const CString& text);
