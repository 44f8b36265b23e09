// The one application object. It lives in a file of its own that the program (and the tests
// that need it) compile directly: nothing references it by name, so from a static library the
// linker would leave it out.
#include "app/ApplicationApp.h"

CApplicationApp theApp;
