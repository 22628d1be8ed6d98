#include "core/wkt_object.h"

void tWktObject::Load(tWktStream&) {}
void tWktObject::Store(tWktStream&) const {}
