// Faults a test switches on in the platform layer of the writers: the system's own
// calls, except that the temporary file or the rename may fail, or the process die
// half-way. Only the test_disk_faults binary is built over this layer.
#pragma once

namespace velmora::testing {

enum class Fault {
    none,
    diskFull,            // the temporary file finds no room on the disk
    ioError,             // it cannot be flushed to the disk
    renameFails,         // it cannot take the target's place
    killedWhileWriting,  // the process dies with half the temporary file written
    killedBeforeRename,  // ... with all of it written, before the rename
};

// The temporary file: as the system and the disk allow (without a name until it is
// complete, on Linux), or named from the start, as where they do not.
enum class TempFiles { asTheSystemHas, namedOnly };

// Every write of this process meets the fault while the scope lasts.
class FaultScope {
public:
    explicit FaultScope(Fault f, TempFiles files = TempFiles::asTheSystemHas);
    ~FaultScope();
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;
};

}  // namespace velmora::testing
