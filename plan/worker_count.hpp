#pragma once

namespace pelcon {

// How many threads format records: PELCON_THREADS when it is a number from 1 to 256, else the
// number of hardware threads (at least 1). 1 formats on the calling thread alone.
unsigned ConversionWorkerCount();

}  // namespace pelcon
