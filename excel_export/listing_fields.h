#pragma once

#include "platform/forms/controls.h"

namespace taskvane {

// The task-field identifier of a chosen column: the last 9 characters of the item's key
// ("Key188743715") read as a whole number. A key whose end is no number raises a type
// mismatch (13).
long ListingFieldId(const forms::ListItem& item);

}  // namespace taskvane
