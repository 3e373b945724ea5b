// What Debian's WASI C++ runtime lacks: its libc++abi is built without exceptions, and its
// wasi-libc has no thread-exit hooks. Nothing in the module throws on purpose (a throw from the
// library means memory ran out), so a throw stops the module as abort() does; and a module that
// never exits has no thread-local destructors to run.
#include <cstddef>
#include <cstdlib>
#include <typeinfo>

extern "C" {

void* __cxa_allocate_exception(std::size_t) { std::abort(); }

void __cxa_throw(void*, std::type_info*, void (*)(void*)) { std::abort(); }

int __cxa_thread_atexit(void (*)(void*), void*, void*) { return 0; }

}  // extern "C"
