// libFuzzer target for the calendar-file reader: every input goes through the reader's
// checks, and a broken rule traps so that the fuzzer keeps the input as a crash.

#include "fuzz/CalendarReaderChecks.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const auto broken =
        CheckCalendarInput(QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    if (broken) {
        std::fprintf(stderr, "\n*** calendar reader rule broken: %s\n", broken->c_str());
        std::fflush(stderr);
        __builtin_trap();
    }
    return 0;
}
