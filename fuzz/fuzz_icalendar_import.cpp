// libFuzzer target for the iCalendar import: every input goes through the import's checks,
// and a broken rule traps so that the fuzzer keeps the input as a crash.

#include "fuzz/ICalendarImportChecks.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const auto broken =
        CheckICalendarInput(QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    if (broken) {
        std::fprintf(stderr, "\n*** iCalendar import rule broken: %s\n", broken->c_str());
        std::fflush(stderr);
        __builtin_trap();
    }
    return 0;
}
