#pragma once

class TForm1;

// With VELTARO_STARTUP_PROBE set, the program reports how long after the process started
// the first question's text reached the page, then quits. Used to measure start-up.
void armStartupProbe(TForm1 &window);
