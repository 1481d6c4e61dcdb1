#include "LeakCheck.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

void checkLeaksNow() {
    __lsan_do_leak_check();
}
#else
void checkLeaksNow() {}
#endif
