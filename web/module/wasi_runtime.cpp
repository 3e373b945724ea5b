// What Debian's WASI C++ runtime lacks or does slowly: its libc++abi is built without
// exceptions, its wasi-libc has no thread-exit hooks, and its memory functions are loops. Nothing
// in the module throws on purpose (a throw from the library means memory ran out), so a throw
// stops the module as abort() does; and a module that never exits has no thread-local
// destructors to run.
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cwchar>
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

// The window's texts format numbers (%d) and words (%ls) only. wasi-libc's own swprintf
// would bring its whole stdio, and with it imports of files the loader does not give.
int swprintf(wchar_t* __restrict to, std::size_t size, const wchar_t* __restrict format, ...)
{
    std::va_list values;
    va_start(values, format);
    std::size_t at = 0;
    const auto put = [&](wchar_t c) {
        if (at + 1 < size)
            to[at] = c;
        ++at;
    };
    for (const wchar_t* f = format; *f != 0; ++f) {
        if (f[0] == L'%' && f[1] == L'd') {
            const int value = va_arg(values, int);
            wchar_t digits[12];
            int count = 0;
            unsigned magnitude =
                value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
            do {
                digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
                magnitude /= 10;
            } while (magnitude != 0);
            if (value < 0)
                put(L'-');
            while (count > 0)
                put(digits[--count]);
            ++f;
        } else if (f[0] == L'%' && f[1] == L'l' && f[2] == L's') {
            for (const wchar_t* word = va_arg(values, const wchar_t*); *word != 0; ++word)
                put(*word);
            f += 2;
        } else if (f[0] == L'%' && f[1] == L'%') {
            put(L'%');
            ++f;
        } else {
            put(*f);
        }
    }
    va_end(values);
    if (size > 0)
        to[at < size ? at : size - 1] = 0;
    return at < size ? static_cast<int>(at) : -1;
}

}  // extern "C"
