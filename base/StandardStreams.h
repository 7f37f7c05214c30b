#pragma once

// Opens /dev/null, read-only, on each of standard input, output and error that the program was
// started with closed (`cmd >&-`): otherwise the next file the program opens would take its
// number and receive what is written there. Writing to it still fails, as it would have.
void occupyClosedStandardStreams();
