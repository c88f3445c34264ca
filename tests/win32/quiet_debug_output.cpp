// GoogleTest copies every failure message to OutputDebugStringA, which raises an exception for
// a debugger to catch. On machines that cannot execute 32-bit x86 code natively, the tests run
// under qemu's user-mode emulator, and there an exception raised while a second thread exists
// (GoogleTest keeps one to clean up thread-local data) corrupts the process: the test program
// dies at its first failure, and the failures after it go unreported. The message is already
// on standard output, so the test program sends nothing to the debugger.
#include <windows.h>

#ifdef __i386__
#define IMPORT_SLOT "__imp__OutputDebugStringA@4"
#else
#define IMPORT_SLOT "__imp_OutputDebugStringA"
#endif
extern "C" void* importedOutputDebugStringA __asm__(IMPORT_SLOT);

namespace {

void WINAPI ignoreDebugString(LPCSTR) {}

struct DebugOutputOff {
    DebugOutputOff() {
        void** slot = &importedOutputDebugStringA;
        DWORD protection;
        if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
            *slot = reinterpret_cast<void*>(&ignoreDebugString);
            VirtualProtect(slot, sizeof *slot, protection, &protection);
        }
    }
} debugOutputOff;

} // namespace
