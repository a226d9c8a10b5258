#pragma once

// The faces the tests' pictures and widths are made with, wherever they run.
// On Linux Debian's font configuration already draws Windows' core fonts
// with the Liberation faces; Windows under Wine has neither those fonts nor
// such a configuration, so there the same faces are put in their place (a
// Windows with the core fonts themselves draws with them and never reaches
// the substitutes). Call after the application object is made.
void useTestFonts();
