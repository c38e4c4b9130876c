#pragma once

// Seconds on a monotonic clock from an arbitrary start; only differences mean anything.
// It lives in its own source file, compiled with a UTF-8 execution character set, since the
// standard clock header cannot be compiled for code page 932.
double BenchSeconds();
