// klv-check over a folder of fuzzed files (database_input.h): it must never throw, and
// wherever the program's start-up load stops with an error, it must report an error.

#include "fuzz/database_input.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/start_up_load.h"
#include "tools/klv-check/data_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    LayOutDatabase(InputBytes(data, size));
    const DatabaseFiles files = ScratchDatabaseFiles();
    const CheckReport report = CheckDatabase(files);
    if (StartUpLoadStops(files))
        FUZZ_CHECK(report.Errors() > 0);
    return 0;
}
