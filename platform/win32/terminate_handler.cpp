// What runs when an exception escapes: the library's default prints the exception's demangled
// type to stderr, which a windowed program does not have, and its demangler is 45 KB of the
// exe. Defining the handler here keeps that one out; the program ends the same way, by abort.
#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx
