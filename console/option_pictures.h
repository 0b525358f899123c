#pragma once

#include "platform/forms/picture.h"

namespace taskvane {

// The illustrations under the three conversion-type options, 73 x 73 pixels (the
// 1095-twip picture boxes): 1 a Gantt sheet with bars over week columns, 2 an outline list
// whose rows are indented by level, 3 an outline list with one column per level.
forms::Picture ConversionTypePicture(int type);

}  // namespace taskvane
