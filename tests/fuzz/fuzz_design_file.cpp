// ReadDesign of arbitrary files: a file it accepts writes back and reads back to the
// same 39 fields, or the write is refused with its message.
#include "design_file.hpp"
#include "fuzz_support.hpp"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const auto in = fuzz::scratch() / "in.sav";
    const auto out = fuzz::scratch() / "out.sav";
    fuzz::writeBytes(in, {reinterpret_cast<const char*>(data), size});
    Record r;
    ReadOutcome read = ReadDesign(in, r);
    if (read.status == ReadOutcome::refused && read.error.code == FileError::Code::none) fuzz::broken("refusal without a reason");
    if (read.status != ReadOutcome::ok) return 0;
    if (r.core < 0 || r.core > 4) fuzz::broken("core kind outside 0..4 accepted");
    WriteOutcome w = WriteDesign(out, r);
    if (!w.ok) {
        if (w.error.code == FileError::Code::none) fuzz::broken("write refused without a reason");
        return 0;
    }
    Record back;
    if (ReadDesign(out, back).status != ReadOutcome::ok) fuzz::broken("written design does not read");
    for (const Field& f : inputFields())
        if (valueAsText(r, f) != valueAsText(back, f)) fuzz::broken("field changed on the round trip");
    return 0;
}
