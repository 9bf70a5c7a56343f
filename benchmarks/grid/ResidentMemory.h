#pragma once

namespace musarix::bench {

// The process's resident memory (VmRSS of /proc/self/status) in KiB; 0 when
// it cannot be read.
long ResidentKiB();

} // namespace musarix::bench
