#pragma once

// Every program of the project calls this first thing in main(). A write past the
// file-size limit (ulimit -f, a quota) otherwise kills the process with SIGXFSZ, with no
// message and a temporary file left beside the file being saved; ignored, the write fails
// with EFBIG and the save reports it like any other full disk.
void IgnoreFileSizeSignal();
