// What every fuzz target does before its first input: the engine's leak report becomes a failure.
#pragma once

// Opening the engine per input would cost far more than the read. The readers need only the
// settings an open engine leaves behind (the normalised light, messages on), and those outlive a
// close; closed, no block of the engine's own stays live, so after each input TzAllFree reports
// exactly the blocks the input leaked, and the target named fuzzer stops with a message.
void FailOnLeakedBlocks(const char *fuzzer);
