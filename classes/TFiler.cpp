#include "TFiler.h"

TFiler::TFiler(TStream& stream) : stream_(stream), buffer_(BufferSize) {}
