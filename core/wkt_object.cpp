// The plain persistent object, which stores nothing of its own.

#include "core/wkt_object.h"

void tWktObject::Load(tWktStream&) {}
void tWktObject::Store(tWktStream&) const {}
