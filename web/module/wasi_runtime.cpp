// What Debian's WASI C++ runtime lacks or does slowly: its libc++abi is built without
// exceptions, its wasi-libc has no thread-exit hooks, and its memory functions are loops. Nothing
// in the module throws on purpose (a throw from the library means memory ran out), so a throw
// stops the module as abort() does; and a module that never exits has no thread-local
// destructors to run.
#include <cstddef>
#include <cstdlib>
#include <typeinfo>

#ifndef __wasm_bulk_memory__
#error "built without -mbulk-memory, memset would call itself"
#endif

extern "C" {

void* __cxa_allocate_exception(std::size_t) { std::abort(); }

void __cxa_throw(void*, std::type_info*, void (*)(void*)) { std::abort(); }

int __cxa_thread_atexit(void (*)(void*), void*, void*) { return 0; }

// This file alone is built with bulk memory, so each of these is one instruction that the
// engine runs natively: the tables' first use clears megabytes.
void* memset(void* to, int value, std::size_t size)
{
    __builtin_memset(to, value, size);
    return to;
}

void* memcpy(void* __restrict to, const void* __restrict from, std::size_t size)
{
    __builtin_memcpy(to, from, size);
    return to;
}

void* memmove(void* to, const void* from, std::size_t size)
{
    __builtin_memmove(to, from, size);
    return to;
}

}  // extern "C"
